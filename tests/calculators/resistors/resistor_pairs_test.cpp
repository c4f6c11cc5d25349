#include "gui_test.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace oq {
namespace {

struct TabCase {
    int tab;
    const char* code;
};
const TabCase Serial = {TabSR, "SR"};
const TabCase Parallel = {TabPR, "PR"};

// The three boxes are typed and read as one text, "R|R1|R2".
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
    QString texts() const {
        return QStringList{box(t(0))->text(), box(t(1))->text(), box(t(2))->text()}.join(u'|');
    }
    bool shown(const char* kind, const char* detail) const {
        return widget(n(kind, detail))->isVisible();
    }
    bool wrong() const { return shown("Label", "_WrongValue"); }
    bool enabled(const char* kind, const char* detail) const {
        return widget(n(kind, detail))->isEnabled();
    }
    // Chooses the unknown `option` and types each non-empty part of `typed` into its box.
    void solve(int option, const QString& typed) {
        click(o(option));
        const QStringList parts = typed.split(u'|');
        for (int i = 0; i < parts.size(); ++i)
            if (!parts[i].isEmpty())
                type(t(i), parts[i]);
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

// Which values no resistor can make is the formulas' concern; here the label and the locks.
TEST_F(ResistorPairsTest, TheUnknownIsComputedOrRefused) {
    struct Case {
        TabCase tab;
        int option;
        QString typed, unknown; // unknown empty: no resistor makes it, the label shows
    };
    const Case cases[] = {
        {Serial, 0, "|470|1000", "1470.00"},
        {Serial, 1, "1000||1200", ""},
        {Parallel, 1, "1000||1000", ""},
    };
    for (const Case& c : cases) {
        open(c.tab);
        EXPECT_TRUE(box(t(0))->isLocked() && box(t(1))->isLocked() && box(t(2))->isLocked());
        solve(c.option, c.typed);
        const std::string at = std::string(c.tab.code) + " " + c.typed.toStdString();
        EXPECT_EQ(box(t(c.option))->text(), c.unknown) << at;
        EXPECT_TRUE(box(t(c.option))->isLocked()) << at;
        EXPECT_EQ(wrong(), c.unknown.isEmpty()) << at;
        EXPECT_EQ(enabled("Check", "_StdVal"), !c.unknown.isEmpty()) << at;
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
        solve(1, c.r + "||" + c.r2);
        click(series(1));
        EXPECT_EQ(box(t(1))->text(), c.r1) << c.tab.code;
        click(n("Check", "_StdVal"));
        EXPECT_TRUE(wrong()) << c.tab.code;
        EXPECT_EQ(texts(), c.r + "||1.0 k") << c.tab.code;
        click(n("Check", "_StdVal"));
        EXPECT_FALSE(wrong()) << c.tab.code;
        EXPECT_EQ(texts(), c.r + "|" + c.r1 + "|" + c.r2 + ".00") << c.tab.code;
        EXPECT_FALSE(box(t(0))->isLocked() || box(t(2))->isLocked()) << c.tab.code;
    }
}

// The lists themselves are the search's concern; here how the tab offers and keeps them.
TEST_F(ResistorPairsTest, PairModeListsPairsAndPickingOneWritesIt) {
    struct Case {
        TabCase tab;
        QString first, picked;
    };
    const Case cases[] = {
        {Serial, "910 + 91 = 1001.00  ( 0.100%)", "1000.00|820|180"},
        {Parallel, "1100 // 11000 = 1000.00  ( 0.000%)", "1005.41|1.2 k|6.2 k"},
    };
    for (const Case& c : cases) {
        open(c.tab);
        click(o(2));
        EXPECT_FALSE(enabled("Check", "_StdVal") || enabled("Command", "_Calculate"));
        EXPECT_EQ(combo("_Percent")->currentText(), "%");
        search("1000", "1", 1);
        EXPECT_EQ(label(n("Label", "_Target"))->text(), "Target Value: 1000.00");
        EXPECT_EQ(label(n("Label", "_STDSelected"))->text(), "1000 is a standard E24 value");
        const QStringList found = lines();
        EXPECT_EQ(found.value(0), c.first) << c.tab.code;
        EXPECT_EQ(combo("_Result")->currentText(), "Select");
        EXPECT_TRUE(shown("Command", "_Save") && !enabled("Command", "_Calculate"));

        selectTab(TabRP); // leaving and coming back keeps it all
        selectTab(c.tab.tab);
        EXPECT_EQ(combo("_Percent")->currentText(), "1");
        EXPECT_EQ(lines(), found);

        combo("_Result")->setCurrentIndex(1);
        EXPECT_EQ(texts(), c.picked) << c.tab.code;
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
        EXPECT_EQ(platform.messages[0].text,
                  "Current Target Value: 1000.00\nNew Target Value: 1005.41\n\n"
                  "Do you want to keep the current Target Value ?");
        const QString target = keep ? "1000.00" : "1005.41";
        EXPECT_EQ(label(n("Label", "_Target"))->text(), "Target Value: " + target);
        EXPECT_EQ(texts(), keep ? "1000.00||" : "1005.41|1.2 k|6.2 k");
        EXPECT_TRUE(enabled("Command", "_Calculate"));
        pickTolerance("2.5"); // asked once only
        EXPECT_EQ(platform.messages.size(), 1u);
    }
}

// The file heads the list with the target searched for, also once a pick has changed R.
TEST_F(ResistorPairsTest, ResultFileIsWholeOrToldAsFailed) {
    QTemporaryDir dir;
    open(Parallel);
    search("1000", "1", 1);
    combo("_Result")->setCurrentIndex(2);
    platform.saveAnswer = dir.filePath("PR.txt");
    click(n("Command", "_Save"));
    QFile file(platform.saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              "Target Value: 1000.00\r\nMax Tolerance: 1 %\r\nResistor Values: E24 series\r\n"
              "\r\n" +
                  lines().join("\r\n") + "\r\n");
    EXPECT_TRUE(platform.messages.empty());

    const QString path = dir.filePath("missing/Parallell Resistors.txt");
    platform.saveAnswer = path;
    click(n("Command", "_Save"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, "critical");
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFile::exists(path));
    platform.saveAnswer.clear(); // cancelled: nothing written, nothing said
    click(n("Command", "_Save"));
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
    auto top = [&] { return frame->mapTo(form.get(), QPoint()).y(); };
    const int normalTop = top();
    search("1000", "1", 1);
    combo("_Result")->setCurrentIndex(0); // 910 + 91
    QApplication::processEvents();
    EXPECT_NE(top(), normalTop);
    click(series(0)); // the other series goes back to the target
    EXPECT_EQ(texts(), "1000.00||");
    EXPECT_FALSE(shown("Combo", "_Result"));
    click(n("Command", "_Calculate"));
    combo("_Result")->setCurrentIndex(0);
    click(n("Command", "_Clear"));
    EXPECT_EQ(texts(), "||");
    EXPECT_TRUE(button(o(2))->isChecked() && box(t(0))->hasFocus());
    EXPECT_EQ(combo("_Percent")->currentText(), "%");
    EXPECT_FALSE(shown("Combo", "_Result") || shown("Label", "_Target") ||
                 enabled("Command", "_Calculate") || enabled("Command", "_Clear"));
    EXPECT_FALSE(form->state().StdValSelected[static_cast<size_t>(on.tab)]);

    search("1000", "1", 1);
    combo("_Result")->setCurrentIndex(1); // 820 + 180
    click(o(0));
    QApplication::processEvents();
    EXPECT_EQ(texts(), "1000.00|820.00|180.00");
    EXPECT_FALSE(shown("Combo", "_Percent") || shown("Command", "_Calculate"));
    EXPECT_TRUE(enabled("Check", "_StdVal") && frame->isVisible());
    EXPECT_EQ(top(), normalTop);
}

} // namespace
} // namespace oq
