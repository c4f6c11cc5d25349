#include "calculators/values/resistor_bands.h"

#include <QPainter>
#include <QPainterPath>

namespace oq {

QColor BandColour(Band band) {
    switch (band) {
    case Band::Black:
        return QColor(0x00, 0x00, 0x00);
    case Band::Brown:
        return QColor(0x8b, 0x45, 0x13);
    case Band::Red:
        return QColor(0xe0, 0x10, 0x10);
    case Band::Orange:
        return QColor(0xff, 0x8c, 0x00);
    case Band::Yellow:
        return QColor(0xff, 0xe6, 0x00);
    case Band::Green:
        return QColor(0x00, 0xa0, 0x30);
    case Band::Blue:
        return QColor(0x10, 0x50, 0xff);
    case Band::Violet:
        return QColor(0x8a, 0x2b, 0xe2);
    case Band::Grey:
        return QColor(0x80, 0x80, 0x80);
    case Band::White:
        return QColor(0xff, 0xff, 0xff);
    case Band::Gold:
        return QColor(0xcf, 0xa7, 0x2e);
    case Band::Silver:
        return QColor(0xc0, 0xc0, 0xc8);
    case Band::Pink:
        return QColor(0xff, 0x9e, 0xc8);
    case Band::None:
        break;
    }
    return {};
}

QString BandText(Band band) {
    const std::string_view name = BandName(band);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString BandsText(const std::vector<Band>& bands) {
    QStringList names;
    for (Band b : bands)
        names << BandText(b);
    return names.isEmpty() ? QStringLiteral("no colour code") : names.join(QStringLiteral(", "));
}

ResistorBands::ResistorBands(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setBands({});
}

void ResistorBands::setBands(std::vector<Band> bands) {
    bands_ = std::move(bands);
    setAccessibleName(QStringLiteral("Colour bands: ") + BandsText(bands_));
    setToolTip(BandsText(bands_));
    update();
}

QSize ResistorBands::sizeHint() const {
    const int h = fontMetrics().height();
    return {16 * h, 3 * h};
}

QSize ResistorBands::minimumSizeHint() const {
    const int h = fontMetrics().height();
    return {10 * h, 2 * h};
}

void ResistorBands::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const qreal w = width(), h = height();
    const qreal bodyW = std::min(w * 0.7, h * 5.0), bodyH = h * 0.7;
    const QRectF body((w - bodyW) / 2, (h - bodyH) / 2, bodyW, bodyH);

    // The leads, in the text colour so that they show on any window.
    p.setPen(QPen(ink, std::max(1.5, h / 20)));
    p.drawLine(QPointF(0, h / 2), QPointF(w, h / 2));

    QPainterPath outline;
    outline.addRoundedRect(body, bodyH / 3, bodyH / 3);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(0xe6, 0xd2, 0xa8)); // beige: every band colour reads on it
    p.drawPath(outline);
    if (bands_.empty())
        return;

    // Digits and multiplier from the left, the tolerance (and temperature) band apart at the
    // right; a three-band part has none there.
    const size_t n = bands_.size();
    const size_t left = n >= 4 ? n - (n == 6 ? 2 : 1) : n;
    const qreal bandW = bodyW / 14;
    p.save();
    p.setClipPath(outline);
    // Dark bands on the beige and light bands alike keep a thin dark edge.
    p.setPen(QPen(QColor(0x40, 0x30, 0x20), 1));
    auto drawBand = [&](Band b, qreal x) {
        p.setBrush(BandColour(b));
        p.drawRect(QRectF(x, body.top() - 1, bandW, body.height() + 2));
    };
    qreal x = body.left() + bodyW * 0.14;
    for (size_t i = 0; i < left; ++i, x += bandW * 1.8)
        drawBand(bands_[i], x);
    x = body.right() - bodyW * 0.14 - bandW;
    for (size_t i = n; i-- > left; x -= bandW * 1.8)
        drawBand(bands_[i], x);
    p.restore();
}

} // namespace oq
