#include "app/tab_table.h"
#include "core/calculator_tab.h"
#include "core/tab_strip.h"
#include "gui_test.h"
#include "model/settings.h"

#include <QDialog>
#include <QGroupBox>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>

namespace oq {
namespace {

// The least a calculator can be: one number box that keeps its value, and a Clear button.
class OneBoxTab : public CalculatorTab {
  public:
    OneBoxTab(MainHost& host, const TabRow& row)
        : CalculatorTab(host, row) {
        NumberBox* value = addBox(0);
        value->setLocked(false);
        connect(value, &NumberBox::textChanged, this, [this] {
            if (!ownWrite())
                readBox(0);
        });
        auto* controls = new QVBoxLayout;
        controls->addWidget(box(0));
        arrange(controls, {}, addClearButton([] {}));
    }
};

// One catalogue row and one tab-table row are all a new calculator needs: the strip shows it,
// its decimals key is read and written, and the decimals dialog names its box.
TEST(Catalogue, ANewRowTakesItsPlaceInStripSettingsAndDialog) {
    std::vector<CalculatorEntry> catalogue(Calculators.begin(), Calculators.end());
    CalculatorEntry added;
    added.index = TabSV;
    added.code = "SV";
    added.caption = "Standard Va&lues";
    added.group = CalculatorGroup::Values;
    added.boxCount = 1;
    added.boxes[0] = {"Value", "SV Value Decimals", "1.3", "Value"};
    // In its place by index: after the first fourteen, before the board calculators.
    const auto place = std::find_if(catalogue.begin(), catalogue.end(),
                                    [](const CalculatorEntry& c) { return c.index > TabSV; }) -
                       catalogue.begin();
    catalogue.insert(catalogue.begin() + place, added);
    std::vector<TabRow> table(TabTable.begin(), TabTable.end());
    table.insert(table.begin() + place,
                 MakeTabRow(catalogue[static_cast<size_t>(place)], nullptr,
                            [](MainHost& host, const TabRow& row) -> CalculatorTab* {
                                return new OneBoxTab(host, row);
                            }));

    FakePlatform platform;
    MemoryStore store;
    store.values["Tab"] = "14";
    MainForm form(platform, store, table, catalogue);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // A row of its own below the first fourteen, above the board calculators' row, and Ctrl+Tab
    // steps on to it.
    TabStrip* strip = form.strip();
    ASSERT_EQ(strip->count(), TabCount + 1);
    ASSERT_EQ(strip->rows().size(), 4u);
    EXPECT_EQ(strip->rows()[2]->tabText(0), "Standard Va&lues");
    EXPECT_EQ(form.currentTab(), TabSV); // the stored tab
    QTest::keyClick(&form, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form.currentTab(), TabIO);
    QTest::keyClick(&form, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.currentTab(), TabSV);
    EXPECT_FLOAT_EQ(form.state().Decimals[TabSV][0], 1.3f);
    const auto read = std::find(store.reads.begin(), store.reads.end(), "SV Value Decimals");
    EXPECT_EQ(read - store.reads.begin(), 56) << "after the other calculators' keys";

    NumberBox* value = form.findChild<NumberBox*>("Text_SV(0)");
    ASSERT_NE(value, nullptr);
    QTest::keyClicks(value, "4.7");
    QString title, frame;
    platform.onModal = [&](QDialog* dialog) {
        title = dialog->windowTitle();
        frame = dialog->findChild<QGroupBox*>("Frame_SNP1")->title();
        dialog->findChild<QAbstractButton*>("Option_SNP(4)")->click();
        dialog->findChild<QAbstractButton*>("Command_SNP_OK")->click();
    };
    QTest::keyClick(value, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(title, "Decimals Properties of Standard Values");
    EXPECT_EQ(frame, " Actual Value of Value ");
    EXPECT_EQ(value->text(), "4.7000");
    form.close();
    EXPECT_EQ(store.values["SV Value Decimals"], " 1.4");
}

} // namespace
} // namespace oq
