#include "core/tab_strip.h"
#include "gui_test.h"

#include <QApplication>
#include <QTest>
#include <vector>

namespace oq {
namespace {

QString FocusName() {
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// Where the keyboard leads: the tab in front after a key press, and which controls Tab visits.
TEST_F(MainFormTest, KeysStepThroughTabsAndControls) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    struct Case {
        const char* what;
        int tab;
        const char* box; // erased, clicked into and given this text first
        const char* text;
        std::vector<Step> keys;
        int tabAfter;
        QStringList focusNever; // while the keys are pressed and after
        QString focusAfter;     // empty: anywhere else
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    // Change sign is enabled only while the dB box was the last one in use, so it is reached
    // going back from that box, past the window's buttons.
    const std::vector<Step> backTabs(6, Step{Qt::Key_Backtab, Qt::ShiftModifier});
    const QStringList none;
    const Case cases[] = {
        {"Ctrl+Tab steps forward",
         TabDB2,
         "Text_DB2(0)",
         "",
         {{Qt::Key_Tab, ctrl}},
         TabTR,
         none,
         ""},
        {"Ctrl+PageDown steps forward",
         TabDB2,
         "Text_DB2(0)",
         "",
         {{Qt::Key_PageDown, ctrl}},
         TabTR,
         none,
         ""},
        {"Ctrl+PageUp steps back",
         TabDB2,
         "Text_DB2(0)",
         "",
         {{Qt::Key_PageUp, ctrl}},
         TabDB1,
         none,
         ""},
        {"Ctrl+Shift+Tab as Tab with Shift (X11) steps back",
         TabDB2,
         "Text_DB2(0)",
         "",
         {{Qt::Key_Tab, ctrlShift}},
         TabDB1,
         none,
         ""},
        {"Ctrl+Shift+Tab as Backtab with Shift steps back once",
         TabDB2,
         "Text_DB2(0)",
         "",
         {{Qt::Key_Backtab, ctrlShift}},
         TabDB1,
         none,
         ""},
        {"Ctrl+Shift+Tab as Backtab without Shift steps back once",
         TabDB2,
         "Text_DB2(0)",
         "",
         {{Qt::Key_Backtab, ctrl}},
         TabDB1,
         none,
         ""},
        {"Ctrl+Shift+Tab from the first tab goes to the last",
         TabRP,
         "Text_RP(0)",
         "",
         {{Qt::Key_Tab, ctrlShift}},
         -1,
         none,
         ""},
        {"Tab leaves the empty system rise time, past the boxes that need it",
         TabTR,
         "Text_TR(2)",
         "",
         {{Qt::Key_Tab, Qt::NoModifier}},
         TabTR,
         {"Text_TR(2)", "Text_TR(3)", "Text_TR(4)"},
         ""},
        {"with a system rise time Tab goes on to the measured one",
         TabTR,
         "Text_TR(2)",
         "2",
         {{Qt::Key_Tab, Qt::NoModifier}},
         TabTR,
         none,
         "Text_TR(3)"},
        {"Shift+Tab passes Change sign",
         TabDB2,
         "Text_DB2(0)",
         "5",
         backTabs,
         TabDB2,
         {"Command_DB2_ChangeSign"},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        selectTab(c.tab);
        erase(QLatin1String(c.box));
        type(QLatin1String(c.box), QLatin1String(c.text));
        for (const Step& s : c.keys) {
            QTest::keyClick(QApplication::focusWidget(), s.key, s.modifiers);
            EXPECT_FALSE(c.focusNever.contains(FocusName())) << FocusName().toStdString();
        }
        const int last = form->strip()->count() - 1;
        EXPECT_EQ(form->strip()->currentIndex(), c.tabAfter < 0 ? last : c.tabAfter);
        if (!c.focusAfter.isEmpty()) {
            EXPECT_EQ(FocusName(), c.focusAfter);
        }
    }
}

// Without a system rise time a click on a box that needs it still leads back to it.
TEST_F(MainFormTest, ClickOnMeasuredRiseTimeAsksForTheSystemOneFirst) {
    selectTab(TabTR);
    erase(QStringLiteral("Text_TR(2)"));
    for (const char* name : {"Text_TR(3)", "Text_TR(4)"}) {
        QTest::mouseClick(box(QLatin1String(name)), Qt::LeftButton);
        EXPECT_EQ(FocusName(), QStringLiteral("Text_TR(2)")) << name;
        EXPECT_TRUE(label(QStringLiteral("Label_TR_SysTr"))->isVisible()) << name;
    }
}

} // namespace
} // namespace oq
