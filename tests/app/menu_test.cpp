#include "gui_test.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace oq {
namespace {

using Menu = MainFormTest;

QAction* Item(QWidget& form, const QString& name) {
    auto* action = form.findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name.toStdString();
    return action;
}

// Every title with its items as the user reads them; "-" is a separator.
QStringList Layout(const QMenuBar* bar) {
    QStringList lines;
    for (const QAction* title : bar->actions()) {
        lines << title->text();
        for (const QAction* action : title->menu()->actions())
            lines << QStringLiteral("  ") + (action->isSeparator() ? "-" : action->text());
    }
    return lines;
}

TEST_F(Menu, ListsTheCalculatorsByGroupWithoutMnemonics) {
    auto* bar = form->findChild<QMenuBar*>(QStringLiteral("Menu_Main"));
    ASSERT_NE(bar, nullptr);
    const QStringList expected = {
        "&File", "  Save properties...", "  -", "  Exit",
        // Resistors; attenuators and levels; conversions; values.
        "Calculators", "  Resistor Power", "  Voltage Divider", "  Parallel Resistors",
        "  Serial Resistors", "  Non Inv OP amp", "  Inv OP amp", "  -", "  PI-net", "  T-net",
        "  dB, %, X", "  dBm, dBU, dBV", "  -", "  Convert Numbers", "  Rise Time",
        "  C Impededance", "  L Impedance", "  -", "  Standard Values", "  Resistor Combinations",
        "  Regulator", "  -", "  Track Width", "  Via", "  Electrical Spacing", "  Wavelength", "  Transmission Line", "Edit", "  Copy", "  Copy All Values",
        "  Clear All", "&Help", "  Key Strokes\tF1", "  About"};
    EXPECT_EQ(Layout(bar), expected);
    // The keys belong to the boxes and the window: no item takes one.
    for (const QAction* action : bar->findChildren<QAction*>())
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
}

// Each item on the Resistor Power tab holding 10 V over 5 ohm, the caret in the resistor box.
TEST_F(Menu, EachItemDoesWhatItsButtonOrKeyDoes) {
    struct Case {
        const char* item;
        int tab;              // the tab in front afterwards
        QStringList windows;  // modal windows opened
        QString clipboard;    // empty: left alone
        bool cleared = false; // the boxes emptied
        bool closed = false;  // the window closed
    };
    const QString crlf = QStringLiteral("\r\n");
    const Case cases[] = {
        {"Menu_Calc_DB2", TabDB2, {}, {}},
        {"Menu_Calc_IO", TabIO, {}, {}},
        {"Menu_Calc_RP", TabRP, {}, {}},
        {"Menu_KeyStrokes", TabRP, {"Key Strokes and Mouse Clicks"}, {}},
        {"Menu_About", TabRP, {"About Ohmquill"}, {}},
        {"Menu_Copy", TabRP, {}, "Resistor: 5" + crlf},
        {"Menu_CopyAll",
         TabRP,
         {},
         "Resistor Power:" + crlf + " Voltage: 10" + crlf + " Resistor: 5" + crlf + " Current: 2" +
             crlf + " Power: 20" + crlf},
        {"Menu_ClearAll", TabRP, {}, {}, true},
        {"Menu_Exit", TabRP, {}, {}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        form->close();
        form.reset();
        platform = FakePlatform();
        start();
        selectTab(TabRP);
        click(QStringLiteral("Check_RP(2)"));
        click(QStringLiteral("Check_RP(3)"));
        type(QStringLiteral("Text_RP(0)"), QStringLiteral("10"));
        type(QStringLiteral("Text_RP(1)"), QStringLiteral("5"));

        QAction* action = Item(*form, QString::fromLatin1(c.item));
        ASSERT_NE(action, nullptr);
        // As the user opens the menu: the items it enables are worked out then.
        emit qobject_cast<QMenu*>(action->parent())->aboutToShow();
        action->trigger();

        EXPECT_EQ(form->currentTab(), c.tab);
        EXPECT_EQ(platform.modalTitles, c.windows);
        EXPECT_EQ(platform.clipboard, c.clipboard);
        EXPECT_EQ(box(QStringLiteral("Text_RP(0)"))->text().isEmpty(), c.cleared);
        EXPECT_EQ(box(QStringLiteral("Text_RP(3)"))->text().isEmpty(), c.cleared);
        EXPECT_EQ(form->isVisible(), !c.closed);
    }
}

TEST_F(Menu, CopyAndClearAllWaitForSomethingToTake) {
    auto* edit = form->findChild<QMenu*>(QStringLiteral("Menu_Edit"));
    ASSERT_NE(edit, nullptr);
    emit edit->aboutToShow();
    EXPECT_FALSE(Item(*form, QStringLiteral("Menu_Copy"))->isEnabled());
    EXPECT_FALSE(Item(*form, QStringLiteral("Menu_ClearAll"))->isEnabled());
    click(QStringLiteral("Check_RP(2)"));
    click(QStringLiteral("Check_RP(3)"));
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("1"));
    emit edit->aboutToShow();
    EXPECT_TRUE(Item(*form, QStringLiteral("Menu_Copy"))->isEnabled());
    EXPECT_TRUE(Item(*form, QStringLiteral("Menu_ClearAll"))->isEnabled());
}

TEST_F(Menu, SavePropertiesWritesWhatSaveToFileWrites) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    platform.saveAnswer = dir.filePath(QStringLiteral("rp.txt"));
    click(QStringLiteral("Check_RP(2)"));
    click(QStringLiteral("Check_RP(3)"));
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("10"));
    type(QStringLiteral("Text_RP(1)"), QStringLiteral("5"));
    Item(*form, QStringLiteral("Menu_SaveProperties"))->trigger();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].title, QStringLiteral("Save Resistor Power Values"));
    QFile file(platform.saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Properties of Resistor Power:\r\n Voltage: 10\r\n"
                                         " Resistor: 5\r\n Current: 2\r\n Power: 20\r\n\r\n"));
    EXPECT_TRUE(platform.modalTitles.isEmpty());
}

// The keys the menu shows stay the boxes' own.
TEST_F(Menu, F1AndCtrlCStillReachTheBox) {
    click(QStringLiteral("Check_RP(2)"));
    click(QStringLiteral("Check_RP(3)"));
    type(QStringLiteral("Text_RP(0)"), QStringLiteral("1234"));
    NumberBox* b = box(QStringLiteral("Text_RP(0)"));
    QTest::keyClick(b, Qt::Key_F1);
    EXPECT_EQ(platform.modalTitles, QStringList{"Key Strokes and Mouse Clicks"});
    b->setFocus();
    b->setSelection(1, 2);
    QTest::keyClick(b, Qt::Key_C, Qt::ControlModifier);
    // The offscreen platform keeps a clipboard of its own in the test process.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
    EXPECT_EQ(platform.clipboardWrites, 0);
}

} // namespace
} // namespace oq
