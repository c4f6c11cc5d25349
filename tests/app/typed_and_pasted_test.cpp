#include "gui_test.h"

#include <QDialog>
#include <QRadioButton>
#include <QTest>

namespace oq {
namespace {

// A number beyond the double range reaches a box in two ways: digits only (the filter lets
// them through) or a paste, which no filter sees.
enum class Entry { TypedNines, PastedExponent };

struct Case {
    const char* name;
    int tab;
    QStringList clicks;                        // the unknowns, the units
    QList<std::pair<QString, QString>> givens; // typed before
    QString huge;                              // the box that gets the huge number
    QString warning;
    QStringList results; // boxes computed from the huge number: empty or as before
    QString echo;        // the huge box's echo label, if the tab has one
};

const Case Cases[] = {
    {"ResistorPower",
     TabRP,
     {"Check_RP(2)", "Check_RP(3)"},
     {{"Text_RP(0)", "12"}},
     "Text_RP(1)",
     "Label_RP_WrongValue",
     {"Text_RP(2)", "Text_RP(3)"},
     "Label_RP_Frmt(1)"},
    {"VoltageDivider",
     TabVD,
     {"Option_VD(3)"},
     {{"Text_VD(0)", "10"}, {"Text_VD(1)", "1"}},
     "Text_VD(2)",
     "Label_VD_WrongValue",
     {"Text_VD(3)", "Text_VD(4)"},
     ""},
    // The unit scales the clamped number back into range: it must be told all the same.
    {"CapacitanceInMicrofarads",
     TabCZ,
     {"Option_CZ(0)"},
     {{"Text_CZ(2)", "1000"}},
     "Text_CZ(1)",
     "Label_CZ_WrongValue",
     {"Text_CZ(0)"},
     ""},
    {"InductanceInMillihenries",
     TabLZ,
     {"Option_LZ(2)", "Option_LZ_L(1)"},
     {{"Text_LZ(0)", "1"}},
     "Text_LZ(1)",
     "Label_LZ_WrongValue",
     {"Text_LZ(2)"},
     ""},
};

class TypedAndPasted : public MainFormTest {
  protected:
    void prepare(int tab, const QStringList& clicks,
                 const QList<std::pair<QString, QString>>& givens) {
        restart();
        selectTab(tab);
        for (const QString& name : clicks)
            click(name);
        for (const auto& [name, text] : givens)
            type(name, text);
    }
    // What Ctrl+V does with the text, without the user's clipboard.
    void paste(const QString& boxName, const QString& text) {
        erase(boxName);
        box(boxName)->insert(text);
    }
    void enter(const Case& c, Entry how) {
        prepare(c.tab, c.clicks, c.givens);
        if (how == Entry::TypedNines)
            type(c.huge, QString(400, QLatin1Char('9')));
        else
            paste(c.huge, QStringLiteral("1E999"));
    }
    // Nothing on the tab may show the clamped value: no result, no echo of 300 digits.
    void expectTold(const Case& c) {
        EXPECT_TRUE(label(c.warning)->isVisible());
        for (const QString& name : c.results)
            EXPECT_LE(box(name)->text().size(), 12) << name.toStdString();
        if (!c.echo.isEmpty()) {
            EXPECT_EQ(label(c.echo)->text(), QString());
        }
    }
    // The options of the tab in front that are selected, by name.
    QStringList selectedOptions() const {
        QStringList names;
        for (const QRadioButton* option : form->findChildren<QRadioButton*>())
            if (option->isChecked() && option->isVisible())
                names << option->objectName();
        return names;
    }
};

TEST_F(TypedAndPasted, HugeNumberShowsIncorrectValueUntilItFitsAgain) {
    for (const Case& c : Cases) {
        for (Entry how : {Entry::TypedNines, Entry::PastedExponent}) {
            SCOPED_TRACE(testing::Message()
                         << c.name << (how == Entry::TypedNines ? " typed" : " pasted"));
            enter(c, how);
            expectTold(c);
            // Editing back into the double range computes again.
            NumberBox* b = box(c.huge);
            if (how == Entry::TypedNines) {
                b->setSelection(308, 92); // 308 nines left: about 1E308
                b->del();
            } else {
                erase(c.huge);
                type(c.huge, QStringLiteral("2200"));
            }
            EXPECT_FALSE(label(c.warning)->isVisible());
            for (const QString& name : c.results)
                EXPECT_FALSE(box(name)->text().isEmpty()) << name.toStdString();
        }
    }
}

// New decimals for a box with a huge number keep the typed text, and its unit with it.
TEST_F(TypedAndPasted, NewDecimalsKeepTheTypedText) {
    struct Box {
        int tab;
        QStringList clicks;
        QList<std::pair<QString, QString>> givens;
        QString name, warning;
    };
    const Box boxes[] = {
        {TabRP,
         {"Check_RP(2)", "Check_RP(3)"},
         {{"Text_RP(0)", "12"}},
         "Text_RP(1)",
         "Label_RP_WrongValue"},
        {TabDB1, {}, {}, "Text_DB1(0)", "Label_DB1_Overflow"},
        {TabDB2, {}, {}, "Text_DB2(1)", "Label_DB2_Overflow"},
        {TabTR, {}, {}, "Text_TR(0)", "Label_TR_WrongValue(1)"},
        {TabCZ, {"Option_CZ(2)"}, {{"Text_CZ(1)", "1"}}, "Text_CZ(0)", "Label_CZ_WrongValue"},
        {TabLZ, {"Option_LZ(2)"}, {{"Text_LZ(0)", "1"}}, "Text_LZ(1)", "Label_LZ_WrongValue"},
    };
    for (const Box& c : boxes) {
        SCOPED_TRACE(c.name.toStdString());
        prepare(c.tab, c.clicks, c.givens);
        paste(c.name, QStringLiteral("1E999"));
        const QStringList units = selectedOptions();
        platform.onModal = [](QDialog* dialog) {
            dialog->findChild<QAbstractButton*>("Option_SNP(4)")->click();
            dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
        };
        QTest::keyClick(box(c.name), Qt::Key_Return, Qt::ShiftModifier);
        platform.onModal = nullptr;
        EXPECT_EQ(box(c.name)->text(), QStringLiteral("1E999"));
        EXPECT_EQ(selectedOptions(), units);
        EXPECT_TRUE(label(c.warning)->isVisible());
    }
}

// Pasted text means what the same text typed would: a comma is a decimal point, and a negative
// number in a box that takes no "-" is an input error, never a computed result.
TEST_F(TypedAndPasted, PastedTextReadsAsTyped) {
    struct Paste {
        const char* name;
        int tab;
        QStringList clicks;
        QList<std::pair<QString, QString>> givens;
        QString into, text;
        QString result, shown; // a computed box and what it shows
        QString warning;       // shown instead, when not empty
    };
    const Paste pastes[] = {
        {"comma",
         TabRP,
         {"Check_RP(2)", "Check_RP(3)"},
         {{"Text_RP(1)", "1"}},
         "Text_RP(0)",
         "1,5",
         "Text_RP(2)",
         "1.50",
         ""},
        {"divider",
         TabVD,
         {"Option_VD(1)"},
         {{"Text_VD(0)", "10"}, {"Text_VD(3)", "4700"}},
         "Text_VD(2)",
         "-1200",
         "Text_VD(1)",
         "",
         "Label_VD_WrongValue"},
        {"serial",
         TabSR,
         {"Option_SR(0)"},
         {{"Text_SR(1)", "1000"}},
         "Text_SR(2)",
         "-2200",
         "Text_SR(0)",
         "",
         "Label_SR_WrongValue"},
        {"parallel",
         TabPR,
         {"Option_PR(0)"},
         {{"Text_PR(1)", "1000"}},
         "Text_PR(2)",
         "-2200",
         "Text_PR(0)",
         "",
         "Label_PR_WrongValue"},
        {"reactance",
         TabCZ,
         {"Option_CZ(2)"},
         {{"Text_CZ(0)", "1000"}},
         "Text_CZ(1)",
         "-1",
         "Text_CZ(2)",
         "",
         "Label_CZ_WrongValue"},
        {"inverting",
         TabIO,
         {"Option_IO(1)"},
         {{"Text_IO(3)", "10"}},
         "Text_IO(0)",
         "-10000",
         "Text_IO(1)",
         "",
         "Label_IO_WrongValue"},
        {"non-inverting",
         TabNO,
         {"Option_NO(1)"},
         {{"Text_NO(3)", "10"}},
         "Text_NO(0)",
         "-0.0001",
         "Text_NO(1)",
         "",
         "Label_NO_WrongValue"},
    };
    for (const Paste& c : pastes) {
        SCOPED_TRACE(c.name);
        prepare(c.tab, c.clicks, c.givens);
        paste(c.into, c.text);
        EXPECT_EQ(box(c.into)->text(), QString(c.text).replace(',', '.'));
        EXPECT_EQ(box(c.result)->text(), c.shown);
        if (!c.warning.isEmpty()) {
            EXPECT_TRUE(label(c.warning)->isVisible());
        }
    }
}

} // namespace
} // namespace oq
