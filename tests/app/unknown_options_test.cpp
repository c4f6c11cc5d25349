#include "gui_test.h"

namespace oq {
namespace {

// Choosing the unknown on a tab with unknown options: which boxes take typing, what the standard
// values check box offers to snap, and where the caret goes. (The divider has its own table.)
TEST_F(MainFormTest, ChoosingTheUnknownSetsBoxesCaptionAndFocus) {
    struct Case {
        int tab;
        const char* code;
        int option;
        QString editable; // "1" for a box that takes typing
        QString caption;  // of Check_<code>_StdVal; empty where the tab has none or hides it
        int focus;
    };
    const Case cases[] = {
        {TabSR, "SR", 0, "011", "Use Standard Values for R1 and R2", 1},
        {TabSR, "SR", 1, "101", "Use Standard Value for R2", 0},
        {TabSR, "SR", 2, "100", "", 0},
        {TabPR, "PR", 0, "011", "Use Standard Values for R1 and R2", 1},
        {TabPR, "PR", 1, "101", "Use Standard Value for R2", 0},
        {TabPR, "PR", 2, "100", "", 0},
        {TabIO, "IO", 0, "0101", "Use Standard Value for R2", 1},
        {TabIO, "IO", 1, "1001", "Use Standard Value for R1", 0},
        {TabIO, "IO", 2, "0011", "Use Standard Values", 2},
        {TabIO, "IO", 3, "1100", "Use Standard Values", 0},
        {TabNO, "NO", 0, "0101", "Use Standard Value for R2", 1},
        {TabNO, "NO", 1, "1001", "Use Standard Value for R1", 0},
        {TabNO, "NO", 2, "0011", "Use Standard Values", 2},
        {TabNO, "NO", 3, "1100", "Use Standard Values", 0},
        {TabCZ, "CZ", 0, "011", "", 1},
        {TabCZ, "CZ", 1, "101", "", 0},
        {TabCZ, "CZ", 2, "110", "", 0},
        {TabLZ, "LZ", 0, "011", "", 1},
        {TabLZ, "LZ", 1, "101", "", 0},
        {TabLZ, "LZ", 2, "110", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " option " << c.option);
        selectTab(c.tab);
        click(QStringLiteral("Option_%1(%2)").arg(QLatin1String(c.code)).arg(c.option));
        QString editable;
        for (int i = 0; i < c.editable.size(); ++i)
            editable +=
                box(QStringLiteral("Text_%1(%2)").arg(QLatin1String(c.code)).arg(i))->isLocked()
                    ? u'0'
                    : u'1';
        EXPECT_EQ(editable, c.editable);
        if (!c.caption.isEmpty()) {
            EXPECT_EQ(button(QStringLiteral("Check_%1_StdVal").arg(QLatin1String(c.code)))->text(),
                      c.caption);
        }
        EXPECT_TRUE(
            box(QStringLiteral("Text_%1(%2)").arg(QLatin1String(c.code)).arg(c.focus))->hasFocus());
    }
}

} // namespace
} // namespace oq
