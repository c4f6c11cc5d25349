#include "core/schematic_picture.h"

#include <QEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace oq {

namespace {

// The value of a quoted attribute in an element's opening tag; empty when it has none.
QByteArray Attribute(const QByteArray& element, const char* name) {
    const QByteArray key = QByteArray(" ") + name + "=\"";
    const qsizetype tag = element.indexOf('>');
    const qsizetype at = element.indexOf(key);
    if (at < 0 || at > tag)
        return {};
    const qsizetype from = at + key.size(), to = element.indexOf('"', from);
    return to < 0 ? QByteArray() : element.mid(from, to - from);
}

} // namespace

// One <text x=".." y=".." text-anchor="..">..</text> of the drawing, whose text is plain: the
// drawings write no entities or nested elements in their labels.
SchematicPicture::Label SchematicPicture::readLabel(const QByteArray& element) {
    const QByteArray anchor = Attribute(element, "text-anchor");
    const qsizetype from = element.indexOf('>') + 1, to = element.lastIndexOf('<');
    return {{Attribute(element, "x").toDouble(), Attribute(element, "y").toDouble()},
            anchor == "middle" ? Label::Anchor::Middle
            : anchor == "end"  ? Label::Anchor::End
                               : Label::Anchor::Start,
            QString::fromUtf8(element.mid(from, to - from)).trimmed()};
}

SchematicPicture::SchematicPicture(const QString& resource, QWidget* parent)
    : QWidget(parent) {
    QFile file(resource);
    const QByteArray drawing = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // The labels are cut out of the drawing, each read on its own.
    const QByteArray open("<text"), close("</text>");
    qsizetype from = 0;
    for (qsizetype at = drawing.indexOf(open); at >= 0; at = drawing.indexOf(open, from)) {
        const qsizetype end = drawing.indexOf(close, at);
        if (end < 0)
            break;
        shapes_ += drawing.mid(from, at - from);
        from = end + close.size();
        labels_.push_back(readLabel(drawing.mid(at, from - at)));
    }
    shapes_ += drawing.mid(from);
    loadInk(ink());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QColor SchematicPicture::ink() const {
    return palette().color(QPalette::WindowText);
}

// The renderer parses a copy of the drawing with the colour filled in; the drawings are a few
// dozen elements, so this costs nothing noticeable and happens only when the colour changes.
void SchematicPicture::loadInk(const QColor& ink) {
    QByteArray inked = shapes_;
    inked.replace("currentColor", ink.name(QColor::HexRgb).toLatin1());
    renderer_.load(inked);
    loadedInk_ = ink;
    cache_ = QPixmap();
}

// Every drawing is made with lines 2 units wide and room for labels 11 units high, and drawn at
// one scale tied to the font (a line of text is 13 units), so that lines weigh the same on every
// tab and the labels, in the widget's font, fit where the drawing leaves them room; a drawing
// shrinks only where its place is too small for it, and its labels with it.
qreal SchematicPicture::unitPixels() const {
    return fontMetrics().height() / 13.0;
}

QSize SchematicPicture::sizeHint() const {
    return (QSizeF(renderer_.defaultSize()) * unitPixels()).toSize();
}

QSize SchematicPicture::minimumSizeHint() const {
    return sizeHint() / 2;
}

void SchematicPicture::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        cache_ = QPixmap();
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
}

// The pixmap covers the whole widget, with the drawing centred in it, so that it is painted at
// the widget's origin and its pixels fall on the screen's pixels one for one.
void SchematicPicture::renderCache(QSize size, qreal pixelRatio) {
    cache_ = QPixmap((QSizeF(size) * pixelRatio).toSize());
    cache_.setDevicePixelRatio(pixelRatio);
    cache_.fill(Qt::transparent);
    cacheSize_ = size;
    QPainter painter(&cache_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF full = QSizeF(renderer_.defaultSize()) * unitPixels();
    QSizeF drawn = full;
    if (drawn.width() > size.width() || drawn.height() > size.height())
        drawn.scale(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2,
                        drawn.width(), drawn.height());
    renderer_.render(&painter, target);
    if (labels_.empty() || full.isEmpty())
        return;

    QFont labelFont = font();
    if (const qreal shrink = drawn.width() / full.width(); shrink < 1) {
        if (labelFont.pointSizeF() > 0)
            labelFont.setPointSizeF(labelFont.pointSizeF() * shrink);
        else
            labelFont.setPixelSize(std::max(1, qRound(labelFont.pixelSize() * shrink)));
    }
    painter.setFont(labelFont);
    painter.setPen(loadedInk_);
    const QFontMetricsF metrics(labelFont, &cache_);
    const QRectF box = renderer_.viewBoxF();
    const qreal scale = box.width() > 0 ? target.width() / box.width() : 0;
    for (const Label& label : labels_) {
        QPointF at = target.topLeft() + (label.at - box.topLeft()) * scale;
        const qreal width = metrics.horizontalAdvance(label.text);
        if (label.anchor == Label::Anchor::Middle)
            at.rx() -= width / 2;
        else if (label.anchor == Label::Anchor::End)
            at.rx() -= width;
        painter.drawText(at, label.text);
    }
}

void SchematicPicture::paintEvent(QPaintEvent*) {
    // Checked here rather than on the palette change alone: the active and inactive colour groups
    // of a theme may differ, and a window changes group without a palette change.
    if (ink() != loadedInk_)
        loadInk(ink());
    if (!renderer_.isValid() || size().isEmpty())
        return;
    QPainter painter(this);
    // The density of what is painted on: the screen's, or an image's when the widget is rendered
    // into one, which shows only in the painter's scale (the device is still the widget).
    const QTransform& toDevice = painter.deviceTransform();
    const qreal pixelRatio = toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0
                                 ? toDevice.m11()
                                 : devicePixelRatioF();
    if (cache_.isNull() || cacheSize_ != size() || cache_.devicePixelRatio() != pixelRatio)
        renderCache(size(), pixelRatio);
    painter.drawPixmap(0, 0, cache_);
}

} // namespace oq
