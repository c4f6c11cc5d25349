#include "gui_test.h"
#include "palettes.h"

#include <QApplication>
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

// The main window on a dark theme with a worked example, saved under the build folder for the
// release notes and for a look by eye.
TEST_F(Desktop, DarkThemeScreenshot) {
    // Put back however the test ends, for the tests that follow in this program.
    struct ThemeForTheScope {
        QPalette before = QApplication::palette();
        explicit ThemeForTheScope(const QPalette& theme) { Apply(theme); }
        ~ThemeForTheScope() { Apply(before); }
        static void Apply(const QPalette& theme) {
            QApplication::setPalette(theme);
            QCoreApplication::processEvents(); // the windows learn of it by posted events
        }
    } dark(DarkPalette());

    selectTab(TabVD);
    click(QStringLiteral("Option_VD(1)"));
    type(QStringLiteral("Text_VD(0)"), QStringLiteral("12"));
    type(QStringLiteral("Text_VD(2)"), QStringLiteral("10000"));
    type(QStringLiteral("Text_VD(3)"), QStringLiteral("4700"));
    EXPECT_FALSE(box(QStringLiteral("Text_VD(1)"))->text().isEmpty());
    form->resize(form->sizeHint().expandedTo(QSize(720, 420)));
    EXPECT_TRUE(form->grab().save(QStringLiteral(OHMQUILL_SCREENSHOT)));
}

} // namespace
} // namespace oq
