#include "core/start_up_style.h"
#include "palettes.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace oq {
namespace {

// Whether an image-format plugin is loaded into this process.
bool ImagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// The group box drawn with the style, as on a screen of the given pixel density.
QImage Draw(QGroupBox& box, QStyle* style, const QPalette& palette, double pixelRatio) {
    box.setStyle(style);
    box.setPalette(palette);
    box.resize(160, 70);
    QImage image(box.size() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(palette.color(QPalette::Window));
    box.render(&image);
    return image;
}

// A group box looks the same under the start-up style as under the style beneath it: titled or
// not, with a check box or not, flat or not, on light and dark themes, at one and two pixels per
// point.
TEST(StartUpStyle, DrawsGroupBoxesAsTheStyleBeneathIt) {
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> quick(
        new StartUpStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    struct Case {
        const char* title;
        bool checkable, flat;
    };
    for (const Case c :
         {Case{"Unknown", false, false}, Case{"", false, false}, Case{"Standard", true, false},
          Case{"", true, false}, Case{"Flat", false, true}})
        for (const QPalette& palette : {LightPalette(), DarkPalette()})
            for (const double pixelRatio : {1.0, 2.0}) {
                SCOPED_TRACE(std::string("title \"") + c.title + "\", checkable " +
                             std::to_string(c.checkable) + ", flat " + std::to_string(c.flat) +
                             ", pixel ratio " + std::to_string(pixelRatio));
                QGroupBox box(QLatin1String(c.title));
                box.setCheckable(c.checkable);
                box.setFlat(c.flat);
                const QImage expected = Draw(box, plain.get(), palette, pixelRatio);
                EXPECT_EQ(Draw(box, quick.get(), palette, pixelRatio), expected);
                box.setStyle(nullptr); // before the styles go
            }
}

// A menu bar too narrow for its menus shows its extension button, with the arrow of the style
// beneath.
TEST(StartUpStyle, GivesTheMenuBarItsArrowWhenItShows) {
    const QString before = QApplication::style()->name();
    UseStartUpStyle();
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* bar = new QMenuBar(&window);
        layout->setMenuBar(bar);
        auto* arrow = bar->findChild<QToolButton*>();
        ASSERT_NE(arrow, nullptr);
        window.resize(400, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_FALSE(arrow->isVisible());
        for (int m = 0; m < 12; ++m)
            bar->addMenu(QStringLiteral("Menu %1").arg(m));
        QApplication::processEvents();
        ASSERT_TRUE(arrow->isVisible());
        const std::unique_ptr<QStyle> plain(QStyleFactory::create(before));
        const QIcon expected = plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        for (const int size : {8, 16, 32})
            for (const double pixelRatio : {1.0, 2.0})
                EXPECT_EQ(arrow->icon().pixmap(QSize(size, size), pixelRatio).toImage(),
                          expected.pixmap(QSize(size, size), pixelRatio).toImage())
                    << size << " at " << pixelRatio;
    }
    QApplication::setStyle(before);
}

// The main window's first frame has a menu bar and group boxes; under the start-up style it loads
// no image-format plugin (Qt's own PNG reader reads what is needed). Run in a process of its own,
// as ctest runs it: a test before it may have loaded the plugins already.
TEST(StartUpStyle, AWindowWithAMenuBarAndGroupBoxesLoadsNoImagePlugin) {
    if (ImagePluginLoaded())
        GTEST_SKIP() << "an image-format plugin was loaded before this test";
    const QString before = QApplication::style()->name();
    UseStartUpStyle();
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* bar = new QMenuBar(&window);
        bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("Exit"));
        layout->setMenuBar(bar);
        layout->addWidget(new QGroupBox(QStringLiteral("Unknown"), &window));
        layout->addWidget(new QGroupBox(&window));
        window.resize(300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.grab(); // every part drawn
        EXPECT_FALSE(ImagePluginLoaded());
    }
    QApplication::setStyle(before);
}

} // namespace
} // namespace oq
