#include "core/readable_colours.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace oq {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double t) {
    const QColor a = from.toRgb(), b = to.toRgb();
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Moves `wanted` in small steps towards a colour that reads on `background` (the theme's text
// colour, or black or white when even that is too faint) and stops at the first that reads.
// Black or white always reaches 4.58:1 against any background, so the walk ends in a readable
// colour.
QColor Readable(const QColor& wanted, const QColor& background, const QColor& text) {
    QColor towards = text;
    if (ContrastRatio(towards, background) < ReadableContrast)
        towards = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
                      ? QColor(Qt::black)
                      : QColor(Qt::white);
    constexpr int Steps = 20;
    for (int i = 0; i < Steps; ++i) {
        const QColor c = Mix(wanted, towards, static_cast<double>(i) / Steps);
        if (ContrastRatio(c, background) >= ReadableContrast)
            return c;
    }
    return towards;
}

class TextColourFollower : public QObject {
  public:
    TextColourFollower(QWidget* widget, std::function<QColor(const QPalette&)> pick)
        : QObject(widget)
        , widget_(widget)
        , pick_(std::move(pick)) {
        apply();
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

  private:
    // The colour is picked against the theme's text colour, not the one set here before.
    // Setting the same colour again would raise another palette change, and so on for ever.
    void apply() {
        QPalette palette = widget_->palette();
        const QWidget* parent = widget_->parentWidget();
        QPalette theme = palette;
        theme.setColor(QPalette::WindowText,
                       parent ? parent->palette().color(QPalette::WindowText)
                              : QApplication::palette(widget_).color(QPalette::WindowText));
        const QColor colour = pick_(theme);
        if (palette.color(QPalette::WindowText) == colour)
            return;
        palette.setColor(QPalette::WindowText, colour);
        widget_->setPalette(palette);
    }

    QWidget* widget_;
    std::function<QColor(const QPalette&)> pick_;
};

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LinkColour(const QPalette& palette) {
    return Readable(palette.color(QPalette::Link), palette.color(QPalette::Window),
                    palette.color(QPalette::WindowText));
}

QColor WarningColour(const QPalette& palette) {
    return Readable(QColor(Qt::red), palette.color(QPalette::Window),
                    palette.color(QPalette::WindowText));
}

void FollowTextColour(QWidget* widget, std::function<QColor(const QPalette&)> pick) {
    new TextColourFollower(widget, std::move(pick));
}

} // namespace oq
