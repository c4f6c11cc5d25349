#include "core/schematic_picture.h"
#include "palettes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace oq {
namespace {

double Luminance(QColor c) {
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// The contrast ratio of two colours as readers of text judge it: 1 (none) to 21 (black on white).
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int Distance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// The picture as it appears on a window of the palette's colour, at the given pixel density and
// widget size (its size hint when none is given).
QImage Render(SchematicPicture& picture, const QPalette& palette, double pixelRatio,
              QSize size = {}) {
    picture.setPalette(palette);
    picture.resize(size.isValid() ? size : picture.sizeHint());
    QImage image(picture.size() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(palette.color(QPalette::Window));
    picture.render(&image);
    return image;
}

struct PixelCount {
    int background = 0; // the window's colour
    int ink = 0;        // the text colour
    int between = 0;    // the edges that antialiasing softens
};

PixelCount Count(const QImage& image, QColor window, QColor ink) {
    PixelCount n;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (Distance(c, window) <= 12)
                ++n.background;
            else if (Distance(c, ink) <= 12)
                ++n.ink;
            else
                ++n.between;
        }
    return n;
}

// Parameter: the picture's name, as in :/pictures/<name>.svg.
class Pictures : public ::testing::TestWithParam<std::string> {
  protected:
    static QString path() {
        return QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(GetParam()));
    }
};

// Lines and labels take the theme's text colour, on a light theme and after a switch to a dark
// one, so the drawing never disappears into a dark window.
TEST_P(Pictures, ReadOnLightAndDarkThemes) {
    SchematicPicture picture(path());
    ASSERT_TRUE(picture.isValid());
    for (const QPalette& palette : {LightPalette(), DarkPalette()}) {
        const QColor window = palette.color(QPalette::Window);
        const QImage image = Render(picture, palette, 1.0);
        int readable = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Contrast(image.pixelColor(x, y), window) >= 4.5)
                    ++readable;
        EXPECT_GT(readable, image.width() * image.height() / 50)
            << "window " << window.name().toStdString();
        EXPECT_EQ(picture.ink(), palette.color(QPalette::WindowText));
    }
}

// On a screen of twice the pixel density the drawing is drawn anew, not blown up from a bitmap:
// the lines are solid in the middle and only their edges are softened, so the soft pixels are
// fewer than the solid ones. Enlarged from a bitmap of half the size, they outnumber them
// several times over, which the second half of the test makes sure the measure sees.
TEST_P(Pictures, StayCrispAtDoublePixelDensity) {
    SchematicPicture picture(path());
    const QPalette palette = LightPalette();
    const QColor window = palette.color(QPalette::Window);
    const QColor ink = palette.color(QPalette::WindowText);
    const QImage sharp = Render(picture, palette, 2.0);
    ASSERT_EQ(sharp.size(), picture.size() * 2);
    const PixelCount n = Count(sharp, window, ink);
    EXPECT_LT(n.between, n.ink * 3 / 2) << "ink " << n.ink << ", between " << n.between;

    const QImage half = Render(picture, palette, 1.0);
    const QImage blown = half.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const PixelCount b = Count(blown, window, ink);
    EXPECT_GT(b.between, b.ink * 3 / 2) << "the blown-up picture should fail the same test";
}

// The picture keeps what it has drawn until the window's size, the screen's pixel density or the
// theme changes; after any of them it looks exactly as a picture drawn for the first time.
TEST_P(Pictures, DrawAfreshAfterResizeScreenOrThemeChange) {
    struct Look {
        QPalette palette;
        double pixelRatio;
        double scale; // of the size hint
    };
    struct Case {
        const char* change;
        Look before, after;
    };
    const Case cases[] = {
        {"a larger window", {LightPalette(), 1.0, 1.0}, {LightPalette(), 1.0, 1.5}},
        {"a denser screen", {LightPalette(), 1.0, 1.0}, {LightPalette(), 2.0, 1.0}},
        {"a sparser screen", {LightPalette(), 2.0, 1.0}, {LightPalette(), 1.0, 1.0}},
        {"a dark theme", {LightPalette(), 1.0, 1.0}, {DarkPalette(), 1.0, 1.0}},
    };
    for (const Case& c : cases) {
        SchematicPicture used(path());
        const QSize hint = used.sizeHint();
        Render(used, c.before.palette, c.before.pixelRatio, hint * c.before.scale);
        Render(used, c.before.palette, c.before.pixelRatio, hint * c.before.scale);
        const QImage again =
            Render(used, c.after.palette, c.after.pixelRatio, hint * c.after.scale);
        SchematicPicture fresh(path());
        const QImage first =
            Render(fresh, c.after.palette, c.after.pixelRatio, hint * c.after.scale);
        EXPECT_EQ(again, first) << "after " << c.change;
    }
}

// The share of one image's ink that the other has nowhere within a pixel of it.
double Unmatched(const QImage& image, const QImage& other, QColor window) {
    auto ink = [window](const QImage& i, int x, int y) {
        return x >= 0 && y >= 0 && x < i.width() && y < i.height() &&
               Distance(i.pixelColor(x, y), window) > 64;
    };
    int inked = 0, unmatched = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!ink(image, x, y))
                continue;
            ++inked;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = ink(other, x + dx, y + dy);
            unmatched += near ? 0 : 1;
        }
    return inked ? static_cast<double>(unmatched) / inked : 0;
}

// The labels are written in the widget's font, not by the SVG renderer, yet sit where the drawing
// puts them, anchored at their start, middle or end: the picture matches the renderer's own
// drawing of the whole file to within a pixel.
TEST_P(Pictures, LabelsSitWhereTheDrawingPutsThem) {
    SchematicPicture picture(path());
    const QPalette palette = LightPalette();
    const QColor window = palette.color(QPalette::Window);
    const QImage ours = Render(picture, palette, 1.0);

    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray drawing = file.readAll();
    drawing.replace("currentColor", picture.ink().name().toLatin1());
    QSvgRenderer renderer(drawing);
    QImage whole(ours.size(), QImage::Format_RGB32);
    whole.fill(window);
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF drawn = QSizeF(renderer.defaultSize()) * picture.fontMetrics().height() / 13.0;
    renderer.render(&painter, QRectF(QPointF((whole.width() - drawn.width()) / 2,
                                             (whole.height() - drawn.height()) / 2),
                                     drawn));
    painter.end();
    EXPECT_LT(Unmatched(ours, whole, window), 0.01);
    EXPECT_LT(Unmatched(whole, ours, window), 0.01);
}

// The drawing's scale and its labels follow the widget's font: after a font change the picture,
// at the same size, looks as a fresh one drawn with that font.
TEST_P(Pictures, DrawAfreshAfterAFontChange) {
    SchematicPicture used(path());
    const QSize size = used.sizeHint() * 2;
    Render(used, LightPalette(), 1.0, size);
    QFont larger = used.font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    used.setFont(larger);
    const QImage again = Render(used, LightPalette(), 1.0, size);
    SchematicPicture fresh(path());
    fresh.setFont(larger);
    EXPECT_EQ(again, Render(fresh, LightPalette(), 1.0, size));
}

std::vector<std::string> AllPictures() {
    std::vector<std::string> names;
    const QDir folder(QStringLiteral(":/pictures"));
    for (const QString& file : folder.entryList({QStringLiteral("*.svg")}))
        names.push_back(QFileInfo(file).baseName().toStdString());
    return names;
}

TEST(PictureSet, HasTheTenSchematics) {
    EXPECT_EQ(AllPictures().size(), 10);
}

INSTANTIATE_TEST_SUITE_P(Schematics, Pictures, ::testing::ValuesIn(AllPictures()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param;
                         });

} // namespace
} // namespace oq
