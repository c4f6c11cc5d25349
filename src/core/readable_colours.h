#pragma once

#include <QColor>
#include <QPalette>
#include <functional>

class QWidget;

namespace oq {

// Contrast of two colours as a reader perceives it, from 1 (none) to 21 (black on white): the
// ratio of their relative luminances, each plus 0.05.
double ContrastRatio(const QColor& a, const QColor& b);

// The least contrast a coloured text keeps against the window behind it.
inline constexpr double ReadableContrast = 4.5;

// The theme's link colour, or, where it is too faint on the theme's window (a dark theme keeping
// a dark blue), the nearest colour towards the text colour that reads.
QColor LinkColour(const QPalette& palette);
// Red, made darker on a light window and lighter on a dark one until it reads.
QColor WarningColour(const QPalette& palette);

// Gives the widget's text the colour `pick` takes from its palette, now and again whenever the
// theme changes.
void FollowTextColour(QWidget* widget, std::function<QColor(const QPalette&)> pick);

} // namespace oq
