#include "app/tab_table.h"
#include "core/schematic_picture.h"
#include "core/tab_strip.h"
#include "gui_test.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

namespace oq {
namespace {

using MainWindow = MainFormTest;

QStringList captions(const TabStrip* strip) {
    QStringList list;
    for (const StripRow* row : strip->rows())
        for (int i = 0; i < row->count(); ++i)
            list << row->tabText(i);
    return list;
}

TEST_F(MainWindow, ShowsAllFourteenTabsAtOnce) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ohmquill, v2.3 - June 2024 / QZ"));
    auto* strip = form->findChild<TabStrip*>(QStringLiteral("SSTab1"));
    ASSERT_NE(strip, nullptr);
    const QStringList expected = {
        "&Resistor Power", "&Voltage Divider",  "&Parallel Resistors", "&PI-net",
        "&T-net",          "Convert &Numbers",  "&dB, %, X",           "&dBm, dBU, dBV",
        "&Rise Time",      "&Serial Resistors", "C &Impededance",      "L &Impedance",
        "Non Inv &OP amp", "Inv &OP amp",       "Electrical Spacin&g", "&Wavelength"};
    EXPECT_EQ(captions(strip), expected);
    EXPECT_EQ(strip->count(), TabCount);
    EXPECT_EQ(button(QStringLiteral("Command_Exit"))->text(), QStringLiteral("&Exit"));
    // Every caption fits its row: no scroll arrows, nothing cut off.
    for (const StripRow* row : strip->rows()) {
        EXPECT_FALSE(row->usesScrollButtons());
        for (int i = 0; i < row->count(); ++i)
            EXPECT_TRUE(row->rect().contains(row->tabRect(i))) << row->tabText(i).toStdString();
    }
}

// Tools and scripts find the controls by these names.
TEST_F(MainWindow, EveryControlCarriesItsName) {
    QStringList names = {"SSTab1",
                         "Command_Exit",
                         "Label_RP_1",
                         "Label_RP_WrongValue",
                         "Command_RP_Clear",
                         "Check_RP_StdVal",
                         "Frame_RP",
                         "Picture_RP",
                         "Label_VD_1",
                         "Label_VD_2",
                         "Label_VD_WrongValue",
                         "Check_VD_StdVal",
                         "Frame_VD_StdVal",
                         "Command_VD_Clear",
                         "Picture_VD"};
    for (int i = 0; i < 4; ++i)
        names << QStringLiteral("Text_RP(%1)").arg(i) << QStringLiteral("Check_RP(%1)").arg(i)
              << QStringLiteral("Label_RP_Frmt(%1)").arg(i);
    for (int i = 0; i < 5; ++i)
        names << QStringLiteral("Text_VD(%1)").arg(i) << QStringLiteral("Option_VD(%1)").arg(i);
    for (int i = 0; i < 2; ++i)
        names << QStringLiteral("Option_RP_STD(%1)").arg(i)
              << QStringLiteral("Option_VD_STD(%1)").arg(i);
    for (const QString& name : names)
        EXPECT_EQ(form->findChildren<QWidget*>(name).size(), 1) << name.toStdString();
}

TEST_F(MainWindow, TenTabsShowTheirSchematic) {
    int pictures = 0;
    for (int t = 0; t < TabCount; ++t) {
        if (!TabTable[t].picture)
            continue;
        const QString name = QStringLiteral("Picture_") + QLatin1String(TabTable[t].code);
        auto* picture = form->findChild<SchematicPicture*>(name);
        ASSERT_NE(picture, nullptr) << name.toStdString();
        EXPECT_TRUE(picture->isValid()) << name.toStdString();
        ++pictures;
    }
    EXPECT_EQ(pictures, 10);
}

TEST_F(MainWindow, AltLetterSelectsATab) {
    QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(form->strip()->property("currentIndex").toInt(), TabVD);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(form->strip()->currentIndex(), TabSR);
    QTest::keyClick(form.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(form->strip()->currentIndex(), TabT);
    QTest::keyClick(form.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->strip()->currentIndex(), TabNC);
    // Two captions share a letter: the key goes from one to the other.
    QTest::keyClick(form.get(), Qt::Key_R, Qt::AltModifier);
    const int first = form->strip()->currentIndex();
    QTest::keyClick(form.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(QSet<int>({first, form->strip()->currentIndex()}), QSet<int>({TabRP, TabTR}));
}

TEST_F(MainWindow, ClickingACaptionInEitherRowSelectsItsTab) {
    const auto& rows = form->strip()->rows();
    ASSERT_GE(rows.size(), 2u); // the first fourteen's, and the new groups' below them
    QTest::mouseClick(rows[1], Qt::LeftButton, {}, rows[1]->tabRect(3).center());
    EXPECT_EQ(form->strip()->currentIndex(), 10);
    QTest::mouseClick(rows[0], Qt::LeftButton, {}, rows[0]->tabRect(0).center());
    EXPECT_EQ(form->strip()->currentIndex(), 0);
    // The other row shows no tab selected, so a click on its remembered tab must still count.
    QTest::mouseClick(rows[1], Qt::LeftButton, {}, rows[1]->tabRect(3).center());
    EXPECT_EQ(form->strip()->currentIndex(), 10);
    EXPECT_TRUE(rows[1]->isActive());
    EXPECT_FALSE(rows[0]->isActive());
    rows[0]->setCurrentIndex(4);
    EXPECT_EQ(form->strip()->currentIndex(), TabT);
}

TEST_F(MainWindow, FreshStartOnFirstTabWritesNothingAtClosing) {
    EXPECT_EQ(form->strip()->currentIndex(), 0);
    click(QStringLiteral("Command_Exit"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(MainWindow, ComesBackOnTheTabInFrontAtClosing) {
    selectTab(TabDB2);
    restart();
    ASSERT_EQ(store.values["Tab"], "7");
    EXPECT_EQ(form->strip()->currentIndex(), TabDB2);
    // Leaving it on the start tab writes nothing for "Tab".
    restart();
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(MainWindow, UnusableStartTabStartsOnTheFirst) {
    for (const char* stored : {"99999", "14", "damaged"}) {
        store.values["Tab"] = stored;
        restart();
        EXPECT_EQ(form->strip()->currentIndex(), 0) << stored;
    }
}

class StripGestures : public MainFormTest {
  protected:
    void rightClick(Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(form->strip()->rows().front(), Qt::RightButton, modifiers);
    }
};

TEST_F(StripGestures, DoubleClickStartsTheCalculator) {
    QTest::mouseDClick(form->strip()->rows().back(), Qt::LeftButton);
    EXPECT_EQ(platform.calculatorStarts, 1);
    QTest::mouseDClick(label(QStringLiteral("Label_RP_1")), Qt::LeftButton);
    EXPECT_EQ(platform.calculatorStarts, 2);
    // A control keeps its own double click.
    QTest::mouseDClick(box(QStringLiteral("Text_RP(0)")), Qt::LeftButton);
    EXPECT_EQ(platform.calculatorStarts, 2);
}

TEST_F(StripGestures, RightClickOpensHelpAndCtrlRightClickAbout) {
    rightClick(Qt::NoModifier);
    rightClick(Qt::ControlModifier);
    rightClick(Qt::ShiftModifier);
    rightClick(Qt::AltModifier);
    rightClick(Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(platform.modalTitles,
              QStringList({"Key Strokes and Mouse Clicks", "About Ohmquill"}));
}

// After a small window the main window stays on its tab when the window was closed by its own
// button, and returns to the start tab when it was closed by the title bar's close box.
TEST_F(StripGestures, SmallWindowKeepsTheTabOnlyWhenClosedByItsButton) {
    selectTab(TabPI);
    platform.onModal = [](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command_OK")),
                          Qt::LeftButton);
    };
    rightClick(Qt::NoModifier);
    EXPECT_EQ(form->strip()->currentIndex(), TabPI);
    EXPECT_FALSE(form->state().SkipChange);

    rightClick(Qt::ControlModifier);
    EXPECT_EQ(form->strip()->currentIndex(), TabPI);

    platform.onModal = [](QDialog* dialog) {
        QTest::keyClick(dialog->findChild<QPushButton*>(QStringLiteral("Command_OK")),
                        Qt::Key_Escape);
    };
    rightClick(Qt::NoModifier);
    EXPECT_EQ(form->strip()->currentIndex(), TabPI);

    platform.onModal = nullptr; // the fake closes it by the close box
    rightClick(Qt::NoModifier);
    EXPECT_EQ(form->strip()->currentIndex(), 0);
    EXPECT_FALSE(form->state().SkipChange);
}

} // namespace
} // namespace oq
