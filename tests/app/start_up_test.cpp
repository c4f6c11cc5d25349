#include "app/tab_table.h"
#include "core/calculator_tab.h"
#include "core/tab_strip.h"
#include "gui_test.h"

#include <QApplication>
#include <QTest>

namespace oq {
namespace {

// Only the page in front is built before the first frame. The others must be there, by their
// names, as soon as the window is on the screen, and building them must not move the window.
TEST(StartUp, EveryPageIsThereOnceTheWindowShowsAndTheWindowKeepsItsSize) {
    const QFont normal = QApplication::font();
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        FakePlatform platform;
        MemoryStore store;
        MainForm form(platform, store, TabTable);
        form.show();
        const QSize shown = form.size();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        for (const TabRow& row : TabTable)
            EXPECT_NE(form.findChild<NumberBox*>(QStringLiteral("Text_%1(0)").arg(row.code)),
                      nullptr)
                << row.code;
        QApplication::processEvents();
        EXPECT_EQ(form.size(), shown);
        for (const TabRow& row : TabTable) {
            const CalculatorTab* page = form.tab(row.index);
            const QSize needs = page->minimumSizeHint();
            const QSize has = form.strip()->widget(form.strip()->currentIndex())->size();
            EXPECT_TRUE(needs.width() <= has.width() && needs.height() <= has.height())
                << row.code << " needs " << needs.width() << " x " << needs.height() << ", has "
                << has.width() << " x " << has.height();
        }
    }
    QApplication::setFont(normal);
}

} // namespace
} // namespace oq
