#include "app/tab_table.h"
#include "core/calculator_tab.h"
#include "gui_test.h"
#include "model/settings.h"

#include <QStringList>

namespace oq {
namespace {

using TabTableTest = MainFormTest;

QStringList shownNames(const PropertyRowNames& names) {
    QStringList list;
    for (const std::string& name : names)
        if (!name.empty())
            list << QString::fromStdString(name);
    return list;
}

// The strip, the settings catalogue and the properties window describe the same boxes.
TEST_F(TabTableTest, EveryTabsBoxesKeysAndRowsAgree) {
    for (size_t r = 0; r < TabTable.size(); ++r) {
        const TabRow& row = TabTable[r];
        SCOPED_TRACE(row.code);
        const int t = row.index;
        // In index order: the first fourteen at 0 to 13, the others at their reserved indices.
        if (r > 0) {
            EXPECT_LT(TabTable[r - 1].index, t);
        }
        EXPECT_EQ(row.calculator, FindCalculator(Calculators, t));
        const CalculatorTab* page = form->tab(t);
        EXPECT_EQ(&page->row(), &row);
        ASSERT_EQ(page->boxCount(), row.boxCount);
        for (int b = 0; b < row.boxCount; ++b)
            EXPECT_EQ(page->box(b)->objectName(),
                      QStringLiteral("Text_%1(%2)").arg(QLatin1String(row.code)).arg(b));

        // One decimals key per box, named after the tab; the number tab keeps none.
        std::vector<int> keyed;
        for (const DecimalsKey& key : DecimalsCatalogue) {
            if (key.tab != t)
                continue;
            keyed.push_back(key.box);
            EXPECT_EQ(std::string(key.key).rfind(std::string(row.code) + " ", 0), 0u) << key.key;
        }
        const int keys = t == TabNC ? 0 : row.boxCount;
        ASSERT_EQ(static_cast<int>(keyed.size()), keys);
        for (int b = 0; b < keys; ++b)
            EXPECT_EQ(keyed[static_cast<size_t>(b)], b);

        // A row name for each box at most, none for the number tab.
        const PropertyRowNames names = page->propertyRowNames();
        for (int b = row.boxCount; b < MaxBoxes; ++b)
            EXPECT_TRUE(names[static_cast<size_t>(b)].empty()) << b;
        EXPECT_EQ(shownNames(names).isEmpty(), t == TabNC);
    }
}

TEST_F(TabTableTest, PropertyRowsFollowTheTabsModes) {
    struct Case {
        int tab;
        bool standard;
        int16_t unknown, db2Ref;
        QStringList rows;
    };
    const Case cases[] = {
        {TabDB2, false, 0, 2, {"dBV", "RMS Voltage", "P-P Voltage"}},
        {TabDB2, false, 0, 1, {"dBu", "RMS Voltage", "P-P Voltage", "Power"}},
        {TabIO,
         true,
         3,
         0,
         {"Resistor1 - Standard Value", "Resistor2 - Standard Value", "Resistor Sum", "Gain"}},
        {TabNO, true, 0, 0, {"Resistor1", "Resistor2 - Standard Value", "Resistor Sum", "Gain"}},
        {TabVD,
         true,
         2,
         0,
         {"Voltage", "Voltage 1", "Resistor 1", "Resistor 2 - Standard Value", "Resistor Sum"}},
        {TabSR, false, 1, 0, {"Resistor (R1 + R2)", "Resistor 1", "Resistor 2"}},
        {TabCZ, true, 0, 0, {"Frequency", "Capacitance", "Impedance"}},
        {TabRP, true, 0, 0, {"Voltage", "Resistor - Standard Value", "Current", "Power"}},
    };
    for (const Case& c : cases) {
        SharedState& st = form->state();
        st.StdValSelected.fill(c.standard);
        st.UnknownMask[static_cast<size_t>(c.tab)] = c.unknown;
        st.DB2Ref = c.db2Ref;
        EXPECT_EQ(shownNames(form->tab(c.tab)->propertyRowNames()), c.rows)
            << c.rows.join(", ").toStdString();
    }
    form->state().StdValSelected.fill(false);
}

} // namespace
} // namespace oq
