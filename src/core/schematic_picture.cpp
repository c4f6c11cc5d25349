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
}

// Sized by the font so that the drawing grows with the text beside it.
QSize SchematicPicture::sizeHint() const {
    const QSizeF natural = renderer_.defaultSize();
    if (natural.isEmpty())
        return {};
    const double height = fontMetrics().height() * 11.0;
    return QSizeF(natural.width() * height / natural.height(), height).toSize();
}

QSize SchematicPicture::minimumSizeHint() const {
    return sizeHint() / 2;
}

void SchematicPicture::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        update();
}

void SchematicPicture::paintEvent(QPaintEvent*) {
    // Checked here rather than on the palette change alone: the active and inactive colour groups
    // of a theme may differ, and a window changes group without a palette change.
    if (ink() != loadedInk_)
        loadInk(ink());
    if (!renderer_.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QSizeF size = renderer_.defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                        size.height());
    renderer_.render(&painter, target);
}

} // namespace oq
