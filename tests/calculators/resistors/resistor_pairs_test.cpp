#include "gui_test.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace oq {
namespace {

struct TabCase {
    int tab;
    const char* code;
};
const TabCase Serial = {TabSR, "SR"};
const TabCase Parallel = {TabPR, "PR"};

class ResistorPairsTest : public MainFormTest {
  protected:
    TabCase on = Serial;

    void open(const TabCase& tab) {
        on = tab;
        platform.messages.clear();
        platform.saveRequests.clear();
        restart();
        selectTab(on.tab);
    }
    QString n(const char* kind, const char* detail) const {
        return QStringLiteral("%1_%2%3").arg(kind, on.code, detail);
    }
    QString t(int i) const { return QStringLiteral("Text_%1(%2)").arg(on.code).arg(i); }
    QString o(int i) const { return QStringLiteral("Option_%1(%2)").arg(on.code).arg(i); }
    QString series(int i) const { return QStringLiteral("Option_%1_STD(%2)").arg(on.code).arg(i); }
    QComboBox* combo(const char* detail) const {
        return qobject_cast<QComboBox*>(widget(n("Combo", detail)));
    }
    QStringList texts() const { return {box(t(0))->text(), box(t(1))->text(), box(t(2))->text()}; }
    bool shown(const char* kind, const char* detail) const {
        return widget(n(kind, detail))->isVisible();
    }
    bool wrong() const { return shown("Label", "_WrongValue"); }
    bool enabled(const char* kind, const char* detail) const {
        return widget(n(kind, detail))->isEnabled();
    }
    void typeAll(const QStringList& typed) {
        for (int i = 0; i < typed.size(); ++i)
            if (!typed[i].isEmpty())
                type(t(i), typed[i]);
    }
    void pickTolerance(const QString& entry) {
        combo("_Percent")->setCurrentIndex(combo("_Percent")->findText(entry));
    }
    // Pair mode, a target, a tolerance and a series, then Calculate.
    void search(const QString& target, const QString& tolerance, int seriesIndex) {
        click(o(2));
        type(t(0), target);
        pickTolerance(tolerance);
        click(series(seriesIndex));
        click(n("Command", "_Calculate"));
    }
    QStringList lines() const {
        QStringList all;
        for (int i = 0; i < combo("_Result")->count(); ++i)
            all << combo("_Result")->itemText(i);
        return all;
    }
};

TEST_F(ResistorPairsTest, TheUnknownIsComputedOrRefused) {
    struct Case {
        TabCase tab;
        int option;
        QStringList typed;
        QString unknown; // empty: no resistor makes it, the label shows
    };
    const Case cases[] = {
        {Serial, 0, {"", "470", "1000"}, "1470.00"},
        {Serial, 1, {"1470", "", "1000"}, "470.00"},
        {Serial, 1, {"1000", "", "1200"}, ""},
        {Parallel, 0, {"", "2000", "2000"}, "1000.00"},
        {Parallel, 1, {"1000", "", "3000"}, "1500.00"},
        {Parallel, 1, {"1000", "", "1000"}, ""},
        {Parallel, 1, {"1000", "", "800"}, ""},
    };
    for (const Case& c : cases) {
        open(c.tab);
        EXPECT_TRUE(box(t(0))->isLocked() && box(t(1))->isLocked() && box(t(2))->isLocked());
        click(o(c.option));
        typeAll(c.typed);
        const std::string at = std::string(c.tab.code) + " " + c.typed.join(' ').toStdString();
        EXPECT_EQ(box(t(c.option))->text(), c.unknown) << at;
        EXPECT_TRUE(box(t(c.option))->isLocked()) << at;
        EXPECT_EQ(wrong(), c.unknown.isEmpty()) << at;
        EXPECT_EQ(enabled("Check", "_StdVal"), !c.unknown.isEmpty()) << at;
        EXPECT_EQ(button(n("Check", "_StdVal"))->text(), c.option == 0
                                                             ? "Use Standard Values for R1 and R2"
                                                             : "Use Standard Value for R2");
    }
}

// Snapping R2 can leave no R1 that completes R: the label instead of a negative or endless R1,
// and unticking brings the typed values back.
TEST_F(ResistorPairsTest, StandardR2ThatLeavesNoR1ShowsTheLabelUntilUnticked) {
    struct Case {
        TabCase tab;
        QString r, r2, r1;
    };
    const Case cases[] = {
        {Serial, "980", "979", "1.00"},          // R2 snaps to 1000, above R
        {Parallel, "1000", "1040", "26000.00"},  // R2 snaps to 1000, equal to R
        {Parallel, "1020", "1030", "105060.00"}, // R2 snaps to 1000, below R
    };
    for (const Case& c : cases) {
        open(c.tab);
        click(o(1));
        typeAll({c.r, "", c.r2});
        click(series(1));
        EXPECT_EQ(box(t(1))->text(), c.r1) << c.tab.code;
        click(n("Check", "_StdVal"));
        EXPECT_TRUE(wrong()) << c.tab.code;
        EXPECT_EQ(texts(), QStringList({c.r, "", "1.0 k"})) << c.tab.code;
        click(n("Check", "_StdVal"));
        EXPECT_FALSE(wrong()) << c.tab.code;
        EXPECT_EQ(texts(), QStringList({c.r, c.r1, c.r2 + ".00"})) << c.tab.code;
        EXPECT_FALSE(box(t(0))->isLocked() || box(t(2))->isLocked()) << c.tab.code;
    }
}

TEST_F(ResistorPairsTest, PairModeListsPairsAndPickingOneWritesIt) {
    struct Case {
        TabCase tab;
        int count;
        QString first, r1, sum;
    };
    const Case cases[] = {
        {Serial, 6, "910 + 91 = 1001.00  ( 0.100%)", "820", "1000.00"},
        {Parallel, 7, "1100 // 11000 = 1000.00  ( 0.000%)", "1.2 k", "1005.41"},
    };
    for (const Case& c : cases) {
        open(c.tab);
        click(o(2));
        EXPECT_FALSE(enabled("Check", "_StdVal") || enabled("Command", "_Calculate"));
        EXPECT_EQ(combo("_Percent")->currentText(), "%");
        EXPECT_EQ(combo("_Percent")->count(), 19);
        search("1000", "1", 1);
        EXPECT_EQ(label(n("Label", "_Target"))->text(), "Target Value: 1000.00");
        EXPECT_EQ(label(n("Label", "_STDSelected"))->text(), "1000 is a standard E24 value");
        EXPECT_EQ(lines().size(), c.count) << c.tab.code;
        EXPECT_EQ(lines().value(0), c.first) << c.tab.code;
        EXPECT_EQ(combo("_Result")->currentIndex(), -1);
        EXPECT_EQ(combo("_Result")->currentText(), "Select");
        EXPECT_TRUE(shown("Command", "_Save") && !enabled("Command", "_Calculate"));

        selectTab(TabRP); // leaving and coming back keeps it all
        selectTab(c.tab.tab);
        EXPECT_EQ(combo("_Percent")->currentText(), "1");
        EXPECT_EQ(lines().size(), c.count);

        combo("_Result")->setCurrentIndex(1);
        EXPECT_EQ(box(t(0))->text(), c.sum) << c.tab.code;
        EXPECT_EQ(box(t(1))->text(), c.r1) << c.tab.code;
    }
    type(t(0), "4"); // a new target
    pickTolerance("0");
    click(n("Command", "_Calculate"));
    EXPECT_EQ(combo("_Result")->currentText(), "No Values Found");
    EXPECT_FALSE(shown("Command", "_Save"));
}

TEST_F(ResistorPairsTest, ChangingTheToleranceAfterAPickAsksWhichTargetToKeep) {
    for (const bool keep : {true, false}) {
        open(Parallel);
        platform.questionAnswer = keep;
        search("1000", "1", 1);
        combo("_Result")->setCurrentIndex(1); // 1200 // 6200, about 1005.41
        pickTolerance("2");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, "Change Target Value");
        EXPECT_EQ(platform.messages[0].text,
                  "Current Target Value: 1000.00\nNew Target Value: 1005.41\n\n"
                  "Do you want to keep the current Target Value ?");
        const QString target = keep ? "1000.00" : "1005.41";
        EXPECT_EQ(label(n("Label", "_Target"))->text(), "Target Value: " + target);
        EXPECT_EQ(texts(), keep ? QStringList({"1000.00", "", ""})
                                : QStringList({"1005.41", "1.2 k", "6.2 k"}));
        EXPECT_TRUE(enabled("Command", "_Calculate"));
        pickTolerance("2.5"); // asked once only
        EXPECT_EQ(platform.messages.size(), 1u);
    }
}

TEST_F(ResistorPairsTest, ResultFileIsWholeOrToldAsFailed) {
    QTemporaryDir dir;
    for (const TabCase& tab : {Serial, Parallel}) {
        open(tab);
        search("1000", "1", 1);
        combo("_Result")->setCurrentIndex(2); // the file still names the target searched for
        platform.saveAnswer = dir.filePath(QLatin1String(tab.code) + ".txt");
        click(n("Command", "_Save"));
        ASSERT_EQ(platform.saveRequests.size(), 1u);
        EXPECT_EQ(platform.saveRequests[0].title, tab.tab == TabSR
                                                      ? "Save Serial Resistor Values"
                                                      : "Save Parallell Resistor Values");
        EXPECT_EQ(platform.saveRequests[0].proposedName,
                  tab.tab == TabSR ? "Serial Resistors" : "Parallell Resistors");
        QFile file(platform.saveAnswer);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()),
                  "Target Value: 1000.00\r\nMax Tolerance: 1 %\r\nResistor Values: E24 series\r\n"
                  "\r\n" +
                      lines().join("\r\n") + "\r\n");
        EXPECT_TRUE(platform.messages.empty());
    }
    const QString path = dir.filePath("missing/Parallell Resistors.txt");
    platform.saveAnswer = path;
    click("Command_PR_Save");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, "critical");
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFile::exists(path));
    platform.saveAnswer.clear(); // cancelled: nothing written, nothing said
    click("Command_PR_Save");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(ResistorPairsTest, ZeroTargetListsNothingAndShowsTheLabel) {
    for (const TabCase& tab : {Serial, Parallel}) {
        open(tab);
        search("0.0", "5", 0);
        EXPECT_TRUE(wrong()) << tab.code;
        EXPECT_FALSE(shown("Combo", "_Result") || shown("Command", "_Save"));
        EXPECT_TRUE(platform.messages.empty());
        type(t(0), "1");
        EXPECT_FALSE(wrong()) << tab.code;
        EXPECT_TRUE(enabled("Command", "_Calculate"));
    }
}

TEST_F(ResistorPairsTest, ClearAndLeavingPairModeUndoTheSearch) {
    open(Serial);
    const QWidget* frame = widget("Frame_SR_StdVal");
    const int normalTop = frame->mapTo(form.get(), QPoint()).y();
    search("1000", "1", 1);
    combo("_Result")->setCurrentIndex(0); // 910 + 91
    QApplication::processEvents();
    EXPECT_NE(frame->mapTo(form.get(), QPoint()).y(), normalTop);
    click(series(0)); // the other series goes back to the target
    EXPECT_EQ(texts(), QStringList({"1000.00", "", ""}));
    EXPECT_FALSE(shown("Combo", "_Result"));
    click(n("Command", "_Calculate"));
    combo("_Result")->setCurrentIndex(0);
    click("Command_SR_Clear");
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
    EXPECT_TRUE(button(o(2))->isChecked() && box(t(0))->hasFocus());
    EXPECT_EQ(combo("_Percent")->currentText(), "%");
    EXPECT_FALSE(shown("Combo", "_Result") || shown("Label", "_Target") ||
                 enabled("Command", "_Calculate") || enabled("Command", "_Clear"));
    EXPECT_FALSE(form->state().StdValSelected);

    search("1000", "1", 1);
    combo("_Result")->setCurrentIndex(1); // 820 + 180
    click(o(0));
    QApplication::processEvents();
    EXPECT_EQ(texts(), QStringList({"1000.00", "820.00", "180.00"}));
    EXPECT_FALSE(shown("Combo", "_Percent") || shown("Command", "_Calculate"));
    EXPECT_TRUE(enabled("Check", "_StdVal") && frame->isVisible());
    EXPECT_EQ(frame->mapTo(form.get(), QPoint()).y(), normalTop);
}

} // namespace
} // namespace oq
