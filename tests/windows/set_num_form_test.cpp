#include "app/tab_table.h"
#include "fake_platform.h"
#include "gui_test.h"
#include "model/shared_state.h"
#include "windows/set_num_form.h"
#include "windows/window_catalogue.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace oq {
namespace {

QRadioButton* option(QWidget& window, int i) {
    return FindChild<QRadioButton>(window, QStringLiteral("Option_SNP(%1)").arg(i));
}

int checkedOption(QWidget& window) {
    for (int i = 0; i < DecimalsOptionCount; ++i)
        if (option(window, i)->isChecked())
            return i;
    return -1;
}

// The dB, %, X tab; its percent box (box 1) had the focus last and holds 50.
struct Fixture {
    SharedState state;
    FakePlatform platform;
    Fixture(float code, float atStart = 1.2f) {
        state.LastBox[TabDB1] = 1;
        state.Values[TabDB1][1] = 50;
        state.Decimals[TabDB1][1] = code;
        state.DecimalsAtStart[TabDB1][1] = atStart;
    }
    float code() const { return state.Decimals[TabDB1][1]; }
};

TEST(DecimalsCatalogue, OptionsAndCodesMapBothWays) {
    const float codes[] = {1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 0, 103, 104, 105, 106, 107};
    for (int i = 0; i < DecimalsOptionCount; ++i) {
        EXPECT_EQ(DecimalsCodeOfOption(i), codes[i]) << i;
        EXPECT_EQ(DecimalsOptionOfCode(codes[i]), i) << i;
    }
    for (float code : {1.25f, 2.0f, 101.0f, 1.7f, -1.2f})
        EXPECT_EQ(DecimalsOptionOfCode(code), -1) << code;
}

TEST(SetNumForm, LoadShowsTheBoxItsValueAndItsCode) {
    struct Case {
        int tab, box;
        bool filled;
        double value;
        float code;
        QString title, frame, label;
        int option;
    };
    const Case cases[] = {
        {TabDB1, 1, true, 50, 1.2f, "Decimals Properties of dB, %, X", " Actual Value of Percent ",
         "50", 2},
        {TabDB2, 1, true, 0.5, 106, "Decimals Properties of dBm, dBU, dBV",
         " Actual Value of RMS Voltage ", "0.5", 11},
        {TabDB2, 0, true, -0.5, 0, "Decimals Properties of dBm, dBU, dBV", " Actual Value of dB ",
         "-.5", 7},
        {TabTR, 0, true, 20 * 0.301029995663981195, 1.0f, "Decimals Properties of Rise Time",
         " Actual Value of Rise Time ", "6.02059991327962", 0},
        // No box had the focus yet: the first box; a code outside the table selects nothing.
        {TabRP, -1, false, 12, 1.25f, "Decimals Properties of Resistor Power",
         " Actual Value of Voltage ", "Not Defined", -1},
        {TabPI, 6, true, 1.0 / 3, 1.1f, "Decimals Properties of PI-net", " Actual Value of  ",
         "0.333333333333333", 1},
    };
    for (const Case& c : cases) {
        SharedState state;
        FakePlatform platform;
        state.LastBox[c.tab] = static_cast<int16_t>(c.box);
        state.Values[c.tab][c.box < 0 ? 0 : c.box] = c.value;
        state.Decimals[c.tab][c.box < 0 ? 0 : c.box] = c.code;
        SetNumForm form(state, platform, c.tab, PlainCaption(TabTable[c.tab]), c.filled, nullptr);
        SCOPED_TRACE(c.frame.toStdString());
        EXPECT_EQ(form.windowTitle(), c.title);
        EXPECT_EQ(FindChild<QGroupBox>(form, "Frame_SNP1")->title(), c.frame);
        EXPECT_EQ(FindChild<QLabel>(form, "Label_SNPvalue")->text(), c.label);
        EXPECT_EQ(FindChild(form, "Command_SNP_CopyClipboard")->isEnabled(), c.filled);
        EXPECT_EQ(checkedOption(form), c.option);
    }
}

TEST(SetNumForm, OkStoresTheChosenCodeAndComparesItWithTheStartValue) {
    struct Case {
        float code, atStart;
        int choose; // -1: leave the options as they opened
        float stored;
        bool changed;
    };
    const Case cases[] = {
        {1.2f, 1.2f, 7, 0, true},     {1.2f, 1.2f, 8, 103, true},
        {1.3f, 1.2f, -1, 1.3f, true}, {1.2f, 1.2f, -1, 1.2f, false},
        {1.3f, 1.2f, 2, 1.2f, false}, {2.5f, 101, -1, 0, true}, // nothing selected stores 0
    };
    for (const Case& c : cases) {
        Fixture f(c.code, c.atStart);
        f.state.DecimalsChanged[TabDB1][1] = !c.changed;
        SetNumForm form(f.state, f.platform, TabDB1, PlainCaption(TabTable[TabDB1]), true, nullptr);
        form.show();
        if (c.choose >= 0)
            QTest::mouseClick(option(form, c.choose), Qt::LeftButton);
        QTest::mouseClick(FindChild(form, "Command_SNP_OK"), Qt::LeftButton);
        SCOPED_TRACE(std::to_string(c.code) + " -> " + std::to_string(c.choose));
        EXPECT_EQ(f.code(), c.stored);
        EXPECT_EQ(f.state.DecimalsChanged[TabDB1][1], c.changed);
        EXPECT_TRUE(f.state.SkipChange);
        EXPECT_FALSE(f.state.DecimalsCancelled);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(SetNumForm, CopyPutsTheLastWordOfTheNameAndTheValueOnTheClipboardThenApplies) {
    Fixture f(1.2f);
    SetNumForm form(f.state, f.platform, TabDB1, PlainCaption(TabTable[TabDB1]), true, nullptr);
    form.show();
    QTest::mouseClick(option(form, 3), Qt::LeftButton);
    QTest::mouseClick(FindChild(form, "Command_SNP_CopyClipboard"), Qt::LeftButton);
    EXPECT_EQ(f.platform.clipboard, QStringLiteral("Percent: 50\r\n"));
    EXPECT_EQ(f.code(), 1.3f);
    EXPECT_TRUE(f.state.SkipChange);
    EXPECT_FALSE(form.isVisible());

    f.state.LastBox[TabDB2] = 1;
    f.state.Values[TabDB2][1] = 0.5;
    SetNumForm rms(f.state, f.platform, TabDB2, PlainCaption(TabTable[TabDB2]), true, nullptr);
    rms.Command_SNP_CopyClipboard_Click();
    EXPECT_EQ(f.platform.clipboard, QStringLiteral("Voltage: 0.5\r\n"));
}

TEST(SetNumForm, EveryWayOutButOkLeavesTheCode) {
    const std::pair<const char*, std::function<void(SetNumForm&)>> ways[] = {
        {"Cancel",
         [](SetNumForm& w) {
             QTest::mouseClick(FindChild(w, "Command_SNP_Cancel"), Qt::LeftButton);
         }},
        {"Esc on an option", [](SetNumForm& w) { QTest::keyClick(option(w, 5), Qt::Key_Escape); }},
        {"Esc on OK",
         [](SetNumForm& w) { QTest::keyClick(FindChild(w, "Command_SNP_OK"), Qt::Key_Escape); }},
        {"Enter on Cancel",
         [](SetNumForm& w) {
             QTest::keyClick(FindChild(w, "Command_SNP_Cancel"), Qt::Key_Return);
         }},
        {"close box", [](SetNumForm& w) { w.close(); }},
    };
    for (const auto& [how, act] : ways) {
        Fixture f(1.2f);
        SetNumForm form(f.state, f.platform, TabDB1, PlainCaption(TabTable[TabDB1]), true, nullptr);
        form.show();
        QTest::mouseClick(option(form, 5), Qt::LeftButton);
        act(form);
        SCOPED_TRACE(how);
        EXPECT_EQ(f.code(), 1.2f);
        EXPECT_FALSE(f.state.DecimalsChanged[TabDB1][1]);
        EXPECT_TRUE(f.state.DecimalsCancelled);
        // The close box does not claim the main window's next activation; the buttons do.
        EXPECT_EQ(f.state.SkipChange, std::string(how) != "close box");
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(SetNumForm, ArrowsMoveBetweenOptionsAndEnterOnOneApplies) {
    Fixture f(1.2f);
    SetNumForm form(f.state, f.platform, TabDB1, PlainCaption(TabTable[TabDB1]), true, nullptr);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(option(form, 2), Qt::Key_Down);
    EXPECT_TRUE(option(form, 3)->isChecked());
    QTest::keyClick(option(form, 3), Qt::Key_Right); // across to the totals
    EXPECT_TRUE(option(form, 10)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(f.code(), 105.0f);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace oq
