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
    // A sample calculator in the place of the combinations one, in its place by index.
    const int index = TabRC;
    CalculatorEntry added;
    added.index = index;
    added.code = "SX";
    added.caption = "Sample Va&lues";
    added.group = CalculatorGroup::Values;
    added.boxCount = 1;
    added.boxes[0] = {"Value", "SX Value Decimals", "1.3", "Value"};
    std::vector<CalculatorEntry> catalogue(Calculators.begin(), Calculators.end());
    std::erase_if(catalogue, [&](const CalculatorEntry& c) { return c.index == index; });
    const auto at = std::find_if(catalogue.begin(), catalogue.end(),
                                 [&](const CalculatorEntry& c) { return c.index > index; });
    const auto position = at - catalogue.begin();
    catalogue.insert(at, added);
    std::vector<TabRow> table;
    for (const CalculatorEntry& c : catalogue) {
        if (c.index == index) {
            table.push_back(
                MakeTabRow(c, nullptr, [](MainHost& host, const TabRow& row) -> CalculatorTab* {
                    return new OneBoxTab(host, row);
                }));
            continue;
        }
        const auto row = std::find_if(TabTable.begin(), TabTable.end(),
                                      [&](const TabRow& r) { return r.index == c.index; });
        ASSERT_NE(row, TabTable.end());
        table.push_back(*row);
        table.back().calculator = &c;
    }

    FakePlatform platform;
    MemoryStore store;
    store.values["Tab"] = std::to_string(index);
    MainForm form(platform, store, table, catalogue);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // A row of its own below the first fourteen, with the rest of its group, and Ctrl+Tab steps
    // on to it.
    TabStrip* strip = form.strip();
    ASSERT_EQ(strip->count(), static_cast<int>(table.size()));
    ASSERT_GE(strip->rows().size(), 3u);
    QStringList valuesRow;
    for (int i = 0; i < strip->rows()[2]->count(); ++i)
        valuesRow << strip->rows()[2]->tabText(i);
    EXPECT_TRUE(valuesRow.contains("Sample Va&lues"));
    EXPECT_EQ(form.currentTab(), index); // the stored tab
    QTest::keyClick(&form, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form.currentTab(), table[static_cast<size_t>(position) - 1].index);
    QTest::keyClick(&form, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.currentTab(), index);
    EXPECT_FLOAT_EQ(form.state().Decimals[index][0], 1.3f);
    // Read after the keys of the calculators before it, before the general ones.
    const auto read = std::find(store.reads.begin(), store.reads.end(), "SX Value Decimals");
    const auto io = std::find(store.reads.begin(), store.reads.end(), "IO Gain Decimals");
    const auto tab = std::find(store.reads.begin(), store.reads.end(), "Tab");
    EXPECT_LT(io, read);
    EXPECT_LT(read, tab);

    NumberBox* value = form.findChild<NumberBox*>("Text_SX(0)");
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
    EXPECT_EQ(title, "Decimals Properties of Sample Values");
    EXPECT_EQ(frame, " Actual Value of Value ");
    EXPECT_EQ(value->text(), "4.7000");
    form.close();
    EXPECT_EQ(store.values["SX Value Decimals"], " 1.4");
}

} // namespace
} // namespace oq
