#pragma once

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace oq {

// A tab's schematic, drawn from its SVG at any size with its proportions kept. The drawing's
// lines and labels are in `currentColor`, which is drawn in the palette's text colour so that the
// picture reads on a dark theme as on a light one. The drawing is rendered once into a pixmap for
// the widget's size, pixel density and ink, and only that pixmap is painted until one of them
// changes.
class SchematicPicture : public QWidget {
    Q_OBJECT
  public:
    SchematicPicture(const QString& resource, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isValid() const { return renderer_.isValid(); }
    // The colour the lines and labels are drawn in now.
    QColor ink() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The pixels of one drawing unit at the widget's font.
    qreal unitPixels() const;
    void loadInk(const QColor& ink);
    void renderCache(QSize size, qreal pixelRatio);

    QByteArray drawing_;
    QColor loadedInk_;
    QSvgRenderer renderer_;
    QPixmap cache_; // the whole widget at cache_.devicePixelRatio(); null until first painted
    QSize cacheSize_;
};

} // namespace oq
