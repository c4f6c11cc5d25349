#pragma once

#include "model/colour_code.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace oq {

// How a band looks, and what it is called for a reader.
QColor BandColour(Band band);
QString BandText(Band band);
// "orange, blue, red, gold"; "no colour code" for none.
QString BandsText(const std::vector<Band>& bands);

// A leaded resistor drawn with its colour bands, the tolerance band set apart at the right.
// The body keeps its own light colour and an outline in the theme's text colour, so that the
// bands read on a dark theme as on a light one; a screen reader hears the colours by name.
class ResistorBands : public QWidget {
  public:
    explicit ResistorBands(QWidget* parent = nullptr);

    // No bands: the body alone.
    void setBands(std::vector<Band> bands);
    const std::vector<Band>& bands() const { return bands_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Band> bands_;
};

} // namespace oq
