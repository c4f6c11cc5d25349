#include "gui_test.h"

#include <QIcon>
#include <QPixmap>

namespace oq {
namespace {

using Desktop = MainFormTest;

// The task bar and the window switcher show the program's own icon, drawn from the compiled-in
// drawing at any size.
TEST_F(Desktop, WindowCarriesTheIcon) {
    const QIcon icon = form->windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 48, 256})
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
}

} // namespace
} // namespace oq
