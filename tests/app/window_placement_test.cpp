#include "gui_test.h"

#include <QGuiApplication>
#include <QScreen>

namespace oq {
namespace {

using WindowPlacementTest = MainFormTest;

// The window comes back where the user left it, in [Window]; a window the user never moved
// writes nothing, so a new user still finds no settings written.
TEST_F(WindowPlacementTest, KeepsItsPlaceAndSize) {
    restart();
    EXPECT_TRUE(store.groupWrites.empty()) << "not moved";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect place(screen.left() + 7, screen.top() + 9, form->width() + 3, form->height() + 2);
    ASSERT_TRUE(screen.contains(place)) << "the test screen is too small";
    form->move(place.topLeft());
    form->resize(place.size());
    restart();
    EXPECT_EQ(store.groupValues["Window/Left"], std::to_string(place.left()));
    EXPECT_EQ(store.groupValues["Window/Height"], std::to_string(place.height()));
    EXPECT_EQ(QRect(form->pos(), form->size()), place);
    EXPECT_TRUE(store.writes.empty()) << "nothing in [Settings]";

    store.groupWrites.clear();
    restart();
    EXPECT_TRUE(store.groupWrites.empty()) << "unchanged";

    // A place on a screen no longer there is let go; the place the window then gets is written
    // once the user moves it.
    form->close();
    form.reset();
    store.groupValues["Window/Left"] = std::to_string(screen.right() + 100);
    start();
    EXPECT_TRUE(screen.contains(form->pos()));
    form->move(form->pos() + QPoint(1, 0));
    form->close();
    EXPECT_EQ(store.groupValues["Window/Left"], std::to_string(form->x()));
}

} // namespace
} // namespace oq
