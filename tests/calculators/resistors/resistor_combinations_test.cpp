#include "calculators/resistors/resistor_combinations_tab.h"
#include "gui_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace oq {
namespace {

// Every wait ends when the result of the latest change shows, so what the tests read never
// depends on how fast the search thread was.
class ResistorCombinationsTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        selectTab(TabRC);
    }
    ResistorCombinationsTab* tab() const {
        return static_cast<ResistorCombinationsTab*>(form->tab(TabRC));
    }
    QTableWidget* table() const {
        return qobject_cast<QTableWidget*>(widget(QStringLiteral("Table_RC_Result")));
    }
    QComboBox* series() const {
        return qobject_cast<QComboBox*>(widget(QStringLiteral("Combo_RC_Series")));
    }
    void pickSeries(const QString& name) { series()->setCurrentIndex(series()->findText(name)); }
    void settle() { ASSERT_TRUE(tab()->waitForResults()); }
    // Row r of the table, its cells joined with "|".
    QString row(int r) const {
        QStringList cells;
        for (int c = 0; c < table()->columnCount(); ++c)
            cells << table()->item(r, c)->text();
        return cells.join(u'|');
    }
    QString best() const { return label(QStringLiteral("Label_RC_Best"))->text(); }
    bool wrong() const { return label(QStringLiteral("Label_RC_WrongValue"))->isVisible(); }
};

TEST_F(ResistorCombinationsTest, TypingATargetShowsTheBestOfEachCount) {
    pickSeries("E-96");
    type("Text_RC(0)", "164k");
    settle();
    ASSERT_EQ(table()->rowCount(), 4);
    EXPECT_EQ(row(0), "1|165k|165k|+0.61 %");
    EXPECT_EQ(row(1), "2|105k + 59k|164k|0 %");
    EXPECT_TRUE(table()->item(1, 1)->font().bold()); // the best of all
    EXPECT_FALSE(table()->item(0, 1)->font().bold());
    EXPECT_TRUE(row(2).endsWith("|164k|0 %"));
    EXPECT_TRUE(row(3).endsWith("|164k|0 %"));
    EXPECT_EQ(best(), "Best: 105k + 59k = 164k  (0 %), 2 resistors");
    EXPECT_FALSE(wrong());
    EXPECT_DOUBLE_EQ(form->state().Values[TabRC][0], 164e3);

    // Ten per count on request, from the same search.
    qobject_cast<QCheckBox*>(widget(QStringLiteral("Check_RC_TenBest")))->click();
    EXPECT_TRUE(tab()->resultsCurrent());
    ASSERT_EQ(table()->rowCount(), 40);
    EXPECT_EQ(row(10), "2|105k + 59k|164k|0 %");
    EXPECT_EQ(row(15), "2|162k + 2k|164k|0 %");
}

TEST_F(ResistorCombinationsTest, WorkedExamples) {
    pickSeries("E-96");
    type("Text_RC(0)", "241");
    settle();
    EXPECT_EQ(row(1), "2|182 + 59|241|0 %");
    pickSeries("E-12");
    erase("Text_RC(0)");
    type("Text_RC(0)", "14.7k");
    settle();
    EXPECT_EQ(row(1), "2|10k + 4.7k|14.7k|0 %");
}

// The box takes the short forms and nothing that is none.
TEST_F(ResistorCombinationsTest, TheTargetBoxTakesShortForms) {
    type("Text_RC(0)", "4x,7k7");
    EXPECT_EQ(box(QStringLiteral("Text_RC(0)"))->text(), "4.7k");
    settle();
    EXPECT_EQ(row(0), "1|4.7k|4.7k|0 %");
    erase("Text_RC(0)");
    type("Text_RC(0)", "2k2");
    settle();
    EXPECT_EQ(row(0), "1|2.2k|2.2k|0 %");
    erase("Text_RC(0)");
    type("Text_RC(0)", "4R7");
    settle();
    EXPECT_EQ(row(0), "1|10|10|+113 %"); // parts start at 10 ohm
    EXPECT_TRUE(best().endsWith(", 4 resistors")) << best().toStdString();
    // Not yet a number: the red label, no rows.
    erase("Text_RC(0)");
    type("Text_RC(0)", ".");
    settle();
    EXPECT_TRUE(wrong());
    EXPECT_EQ(table()->rowCount(), 0);
    type("Text_RC(0)", "5");
    settle();
    EXPECT_FALSE(wrong());
    EXPECT_EQ(table()->rowCount(), 4);
    erase("Text_RC(0)");
    settle();
    EXPECT_FALSE(wrong());
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_EQ(best(), "");
}

TEST_F(ResistorCombinationsTest, ExcludedValuesAndTheTargetAlone) {
    type("Text_RC(0)", "4k7");
    settle();
    EXPECT_EQ(row(0), "1|4.7k|4.7k|0 %");
    EXPECT_TRUE(best().endsWith(", 1 resistor"));
    click(QStringLiteral("Check_RC_Alone"));
    settle();
    EXPECT_EQ(row(0), "1|4.3k|4.3k|-8.51 %");
    EXPECT_EQ(best(), "Best: 2.7k + 2k = 4.7k  (0 %), 2 resistors");
    click(QStringLiteral("Check_RC_Alone"));
    type("Text_RC(2)", "2k7");
    type("Text_RC(3)", "4k7");
    settle();
    EXPECT_EQ(row(0), "1|4.3k|4.3k|-8.51 %");
    EXPECT_EQ(row(1), "2|3.6k + 1.1k|4.7k|0 %");
}

// Keystrokes never wait for a search: each one makes the results stale at once, and only the
// last one's results show.
TEST_F(ResistorCombinationsTest, OnlyTheLatestSearchShows) {
    pickSeries("E-192");
    for (const char* key : {"1", "2", "3", "4", "5", ".", "6"}) {
        type("Text_RC(0)", key);
        EXPECT_FALSE(tab()->resultsCurrent()) << key;
    }
    settle();
    EXPECT_EQ(row(0), "1|12.3k|12.3k|-0.369 %");
    ASSERT_EQ(tab()->result().best[3].size(), 10u);
    EXPECT_NEAR(tab()->result().best[3][0].value, 12345.6, 12345.6 * 1e-6);
    pickSeries("E-3");
    EXPECT_FALSE(tab()->resultsCurrent());
    settle();
    EXPECT_EQ(row(0), "1|10k|10k|-19 %");
}

TEST_F(ResistorCombinationsTest, CopyAndSaveTheList) {
    QTemporaryDir dir;
    pickSeries("E-12");
    type("Text_RC(0)", "14k7");
    settle();
    click(QStringLiteral("Command_RC_Copy"));
    const QString copied = platform.clipboard;
    EXPECT_TRUE(copied.startsWith("Target Value: 14.7k\r\nResistor Values: E-12 series, 10 to "
                                  "1M\r\n\r\n1 resistor\r\n15k = 15k  (+2.04 %)\r\n"));
    EXPECT_TRUE(copied.contains("\r\n2 resistors\r\n10k + 4.7k = 14.7k  (0 %)\r\n\r\n"));
    platform.saveAnswer = dir.filePath("RC.txt");
    click(QStringLiteral("Command_RC_Save"));
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].proposedName, "Resistor Combinations");
    QFile file(platform.saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), copied);
    EXPECT_TRUE(platform.messages.empty());

    // The ten best go into the file when they show.
    click(QStringLiteral("Check_RC_TenBest"));
    click(QStringLiteral("Command_RC_Copy"));
    EXPECT_TRUE(platform.clipboard.contains("12k + 2.7k = 14.7k  (0 %)\r\n"));

    const QString path = dir.filePath("missing/Resistor Combinations.txt");
    platform.saveAnswer = path;
    click(QStringLiteral("Command_RC_Save"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, "critical");
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFile::exists(path));

    // Nothing to copy or save while a change waits for its search, or with no target.
    erase("Text_RC(0)");
    settle();
    EXPECT_FALSE(button(QStringLiteral("Command_RC_Copy"))->isEnabled());
    EXPECT_FALSE(button(QStringLiteral("Command_RC_Save"))->isEnabled());
}

TEST_F(ResistorCombinationsTest, ClearAllEmptiesEverything) {
    type("Text_RC(0)", "1k5");
    type("Text_RC(1)", "1k5");
    settle();
    EXPECT_EQ(row(0), "1|1.6k|1.6k|+6.67 %");
    click(QStringLiteral("Command_RC_Clear"));
    EXPECT_TRUE(tab()->resultsCurrent());
    EXPECT_EQ(box(QStringLiteral("Text_RC(0)"))->text(), "");
    EXPECT_EQ(box(QStringLiteral("Text_RC(1)"))->text(), "");
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_FALSE(button(QStringLiteral("Command_RC_Clear"))->isEnabled());
    // A search still running when the tab goes is ended with it.
    pickSeries("E-192");
    type("Text_RC(0)", "7777");
}

} // namespace
} // namespace oq
