#include "core/schematic_picture.h"

#include <QEvent>
#include <QFile>
#include <QPainter>

namespace oq {

SchematicPicture::SchematicPicture(const QString& resource, QWidget* parent)
    : QWidget(parent) {
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly))
        drawing_ = file.readAll();
    loadInk(ink());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QColor SchematicPicture::ink() const {
    return palette().color(QPalette::WindowText);
}

// The renderer parses a copy of the drawing with the colour filled in; the drawings are a few
// dozen elements, so this costs nothing noticeable and happens only when the colour changes.
void SchematicPicture::loadInk(const QColor& ink) {
    QByteArray inked = drawing_;
    inked.replace("currentColor", ink.name(QColor::HexRgb).toLatin1());
    renderer_.load(inked);
    loadedInk_ = ink;
    cache_ = QPixmap();
}

// Every drawing is made with lines 2 units wide and labels 11 units high, and drawn at one scale
// tied to the font, so that lines and labels weigh the same on every tab and the labels match
// the text beside them; a drawing shrinks only where its place is too small for it.
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
    if (event->type() == QEvent::PaletteChange)
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
    QSizeF drawn = QSizeF(renderer_.defaultSize()) * unitPixels();
    if (drawn.width() > size.width() || drawn.height() > size.height())
        drawn.scale(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2,
                        drawn.width(), drawn.height());
    renderer_.render(&painter, target);
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
