#include "fake_platform.h"
#include "gui_test.h"
#include "model/shared_state.h"
#include "windows/tab_properties.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace oq {
namespace {

// The rows the user sees, as "name: value", with "(no copy)" where Copy is disabled.
QStringList shownRows(QWidget& window) {
    QStringList rows;
    for (int i = 0; i < MaxBoxes; ++i) {
        auto* frame = FindChild<QGroupBox>(window, QStringLiteral("Frame_Value(%1)").arg(i));
        auto* label = FindChild<QLabel>(window, QStringLiteral("Label_CurrentValue(%1)").arg(i));
        if (!frame->isHidden())
            rows
                << frame->title() + ": " + label->text() +
                       (FindChild(window, QStringLiteral("Command_CopyVal(%1)").arg(i))->isEnabled()
                            ? ""
                            : " (no copy)");
    }
    return rows;
}

TabProperties::Sheet Db1Sheet() {
    TabProperties::Sheet sheet;
    sheet.tab = TabDB1;
    sheet.caption = QStringLiteral("dB, %, X");
    sheet.rowNames = {"Times", "Percent", "dB"};
    sheet.boxFilled = {true, true, true};
    return sheet;
}

// The dB, %, X tab after typing 2 as the ratio.
struct Db1 {
    SharedState state;
    FakePlatform platform;
    std::unique_ptr<TabProperties> window;
    Db1() {
        state.Values[TabDB1] = {2, 50, 20 * 0.301029995663981195};
        window = std::make_unique<TabProperties>(state, platform, Db1Sheet(), nullptr);
        window->show();
    }
};

const QByteArray Db1Rows = " Times: 2\r\n Percent: 50\r\n dB: 6.02059991327962\r\n";

TEST(TabProperties, ListsTheTabAtFullPrecisionAndCopiesAll) {
    Db1 f;
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral(" Properties of dB, %, X"));
    EXPECT_EQ(FindChild<QLabel>(*f.window, "Label_AV")->text(),
              "To change the number of decimals on\na numbers box, Right Click on it with\nSHIFT "
              "down.");
    EXPECT_EQ(shownRows(*f.window),
              QStringList({"Times: 2", "Percent: 50", "dB: 6.02059991327962"}));
    EXPECT_EQ(FindChild<QGroupBox>(*f.window, "Frame_Value(3)")->title(), QStringLiteral("N/A"));

    QTest::mouseClick(FindChild(*f.window, "Command_CopyVal(1)"), Qt::LeftButton);
    EXPECT_EQ(f.platform.clipboard, QStringLiteral("Percent: 50\r\n"));
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_FALSE(f.state.SkipChange);

    QTest::mouseClick(FindChild(*f.window, "Command_CopyAllVal"), Qt::LeftButton);
    EXPECT_EQ(f.platform.clipboard.toUtf8(), "dB, %, X:\r\n" + Db1Rows);
    EXPECT_TRUE(f.state.SkipChange);
    EXPECT_FALSE(f.window->isVisible());
}

// Standard values replace the typed ones; an empty box is "Not Defined" with no Copy; a row
// without a name is not shown.
TEST(TabProperties, ListsStandardValuesEmptyBoxesAndOnlyNamedRows) {
    struct Case {
        bool standard;
        QStringList rows;
    };
    const Case cases[] = {
        {false, {"A: 1", "B: Not Defined (no copy)", "D: 4"}},
        {true, {"A: 10", "B: 20", "D: 40"}},
    };
    for (const Case& c : cases) {
        SharedState state;
        FakePlatform platform;
        state.Values[TabVD] = {1, 2, 3, 4, 5, 6, 7};
        state.StdValues[TabVD] = {10, 20, 30, 40, 50, 60, 70};
        TabProperties::Sheet sheet;
        sheet.tab = TabVD;
        sheet.rowNames = {"A", "B", "", "D"};
        sheet.boxFilled = {true, false, true, true};
        sheet.standard = c.standard;
        TabProperties window(state, platform, sheet, nullptr);
        EXPECT_EQ(shownRows(window), c.rows) << c.rows.join(", ").toStdString();
    }
}

TEST(TabProperties, SavesTheListOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString good = dir.filePath("db1.txt");
    QFile old(good); // an earlier, longer list is replaced, not partly overwritten
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500, 'x'));
    old.close();
    const QString missing = dir.filePath("no such folder/db1.txt");

    for (const QString& answer : {QString(), missing, good}) {
        Db1 f;
        f.platform.saveAnswer = answer;
        QTest::mouseClick(FindChild(*f.window, "Command_Save"), Qt::LeftButton);
        SCOPED_TRACE(answer.toStdString());
        ASSERT_EQ(f.platform.saveRequests.size(), 1u);
        const auto& request = f.platform.saveRequests[0];
        EXPECT_EQ(request.title, QStringLiteral("Save dB, %, X Values"));
        EXPECT_EQ(request.folder, QDir::homePath());
        EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
        EXPECT_EQ(request.filter, QStringLiteral("Text Files (*.txt)"));
        EXPECT_EQ(f.window->isVisible(), answer != good);
        EXPECT_EQ(f.state.SkipChange, answer == good);
        ASSERT_EQ(f.platform.messages.size(), answer == missing ? 1u : 0u);
        if (answer == missing) {
            EXPECT_EQ(f.platform.messages[0].kind, QStringLiteral("critical"));
            EXPECT_EQ(f.platform.messages[0].title, request.title);
            EXPECT_TRUE(f.platform.messages[0].text.contains(QDir::toNativeSeparators(missing)));
        }
    }
    EXPECT_FALSE(QFile::exists(missing));
    QFile saved(good);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "Properties of dB, %, X:\r\n" + Db1Rows + "\r\n");
}

// Standard values shown on the resistor-power tab belong to it: the divider lists and rounds
// its own values, and a tab that never had standard values lists what its boxes hold.
TEST_F(MainFormTest, StandardValuesStayOnTheTabThatShowsThem) {
    click("Check_RP(2)");
    click("Check_RP(3)");
    type("Text_RP(0)", "12");
    type("Text_RP(1)", "4000");
    click("Check_RP_StdVal");

    QStringList rows;
    QString opened;
    platform.onModal = [&](QDialog* dialog) {
        opened = dialog->objectName();
        if (opened == QLatin1String("TabProperties"))
            rows = shownRows(*dialog);
        dialog->reject();
    };
    auto properties = [&](const QString& name) {
        rows.clear();
        QTest::keyClick(box(name), Qt::Key_Return, Qt::ControlModifier);
        return rows;
    };
    EXPECT_EQ(properties("Text_RP(0)").at(1), "Resistor - Standard Value: 4020");

    selectTab(TabVD);
    click("Option_VD(1)");
    type("Text_VD(0)", "10");
    type("Text_VD(2)", "1000");
    type("Text_VD(3)", "4700");
    EXPECT_EQ(properties("Text_VD(3)").mid(2, 2),
              QStringList({"Resistor 1: 1000", "Resistor 2: 4700"}));
    QTest::keyClick(box("Text_VD(3)"), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(opened, "SetNumForm");
    EXPECT_TRUE(platform.messages.empty());

    selectTab(TabNO);
    click("Option_NO(3)");
    type("Text_NO(0)", "1000");
    type("Text_NO(1)", "9000");
    EXPECT_EQ(properties("Text_NO(1)").last(), "Gain: 10");
    platform.onModal = nullptr;
}

TEST(TabProperties, EscClosesForTheMainWindowTheCloseBoxDoesNot) {
    for (bool esc : {true, false}) {
        Db1 f;
        if (esc)
            QTest::keyClick(FindChild(*f.window, "Command_CopyVal(0)"), Qt::Key_Escape);
        else
            f.window->close();
        EXPECT_FALSE(f.window->isVisible()) << esc;
        EXPECT_EQ(f.state.SkipChange, esc) << esc;
    }
}

TEST(TabProperties, OpensBelowTheMainWindowAndStaysOnScreen) {
    SharedState state;
    FakePlatform platform;
    QWidget main;
    main.show();
    const QRect area = main.screen()->availableGeometry();
    main.setGeometry(area.left() + 100, area.top() + 40, 400, 120);
    TabProperties below(state, platform, Db1Sheet(), &main);
    below.show();
    const QRect mainFrame = main.frameGeometry();
    EXPECT_EQ(below.frameGeometry().top(), mainFrame.top() + mainFrame.height());
    EXPECT_NEAR(below.frameGeometry().center().x(), mainFrame.center().x(), 1);

    // Low on the screen, directly below would hide the window's lower part.
    main.move(area.left() + 100, area.bottom() - 150);
    TabProperties low(state, platform, Db1Sheet(), &main);
    low.show();
    EXPECT_LE(low.frameGeometry().bottom(), area.bottom());
    EXPECT_GE(low.frameGeometry().top(), area.top());
}

} // namespace
} // namespace oq
