#include "gui_test.h"

#include <QDialog>
#include <QTest>

namespace oq {
namespace {

// A number beyond the double range reaches a box in two ways: digits only (the filter lets
// them through) or a paste, which no filter sees.
enum class Entry { TypedNines, PastedExponent };

struct Case {
    const char* name;
    int tab;
    QStringList clicks;                        // the unknowns
    QList<std::pair<QString, QString>> givens; // typed before
    QString huge;                              // the box that gets the huge number
    QString warning;
    QStringList results; // boxes computed from the huge number: empty or as before
    QString echo;        // the huge box's echo label, if the tab has one
};

const Case Cases[] = {
    {"ResistorPower",
     0,
     {"Check_RP(2)", "Check_RP(3)"},
     {{"Text_RP(0)", "12"}},
     "Text_RP(1)",
     "Label_RP_WrongValue",
     {"Text_RP(2)", "Text_RP(3)"},
     "Label_RP_Frmt(1)"},
    {"VoltageDivider",
     1,
     {"Option_VD(3)"},
     {{"Text_VD(0)", "10"}, {"Text_VD(1)", "1"}},
     "Text_VD(2)",
     "Label_VD_WrongValue",
     {"Text_VD(3)", "Text_VD(4)"},
     ""},
};

class OutOfRange : public MainFormTest {
  protected:
    void enter(const Case& c, Entry how) {
        restart();
        selectTab(c.tab);
        for (const QString& name : c.clicks)
            click(name);
        for (const auto& [name, text] : c.givens)
            type(name, text);
        if (how == Entry::TypedNines) {
            type(c.huge, QString(310, QLatin1Char('9')));
        } else {
            type(c.huge, QString());
            box(c.huge)->insert(QStringLiteral("1E999")); // what Ctrl+V does with that text
        }
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
};

TEST_F(OutOfRange, HugeNumberShowsIncorrectValueUntilItFitsAgain) {
    for (const Case& c : Cases) {
        for (Entry how : {Entry::TypedNines, Entry::PastedExponent}) {
            SCOPED_TRACE(testing::Message()
                         << c.name << (how == Entry::TypedNines ? " typed" : " pasted"));
            enter(c, how);
            expectTold(c);
            // Editing back into the double range computes again.
            NumberBox* b = box(c.huge);
            if (how == Entry::TypedNines) {
                QTest::keyClick(b, Qt::Key_Backspace);
                QTest::keyClick(b, Qt::Key_Backspace); // 308 nines: about 1E308
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

// The decimals of a box with a huge number must not rewrite it from its clamped value.
TEST_F(OutOfRange, NewDecimalsKeepTheTypedText) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        enter(c, Entry::PastedExponent);
        platform.onModal = [](QDialog* dialog) {
            dialog->findChild<QAbstractButton*>("Option_SNP(4)")->click();
            dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
        };
        QTest::keyClick(box(c.huge), Qt::Key_Return, Qt::ShiftModifier);
        platform.onModal = nullptr;
        EXPECT_EQ(box(c.huge)->text(), QStringLiteral("1E999"));
        expectTold(c);
    }
}

} // namespace
} // namespace oq
