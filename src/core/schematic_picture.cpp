#include "core/schematic_picture.h"

#include <QPainter>

namespace oq {

SchematicPicture::SchematicPicture(const QString& resource, QWidget* parent)
    : QWidget(parent)
    , renderer_(resource) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
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

void SchematicPicture::paintEvent(QPaintEvent*) {
    if (!renderer_.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = renderer_.defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                        size.height());
    renderer_.render(&painter, target);
}

} // namespace oq
