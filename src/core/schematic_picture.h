#pragma once

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>
#include <vector>

namespace oq {

// A tab's schematic, drawn from its SVG at any size with its proportions kept. The drawing's
// lines and labels are in `currentColor`, which is drawn in the palette's text colour so that the
// picture reads on a dark theme as on a light one. The drawing is rendered once into a pixmap for
// the widget's size, pixel density, ink and font, and only that pixmap is painted until one of
// them changes.
//
// The labels (the drawing's <text> elements) are written in the widget's own font, the font of
// the boxes and captions beside the picture, rather than by the SVG renderer: the renderer would
// look up a font of its own and set every label through a path, which made the front page's
// schematic the dearest thing of the first frame.
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
    // A <text> of the drawing: where its baseline starts, ends or has its middle (its
    // text-anchor), in the drawing's units.
    struct Label {
        QPointF at;
        enum class Anchor { Start, Middle, End } anchor;
        QString text;
    };

    static Label readLabel(const QByteArray& element);
    // The pixels of one drawing unit at the widget's font.
    qreal unitPixels() const;
    void loadInk(const QColor& ink);
    void renderCache(QSize size, qreal pixelRatio);

    QByteArray shapes_; // the drawing without its labels
    std::vector<Label> labels_;
    QColor loadedInk_;
    QSvgRenderer renderer_;
    QPixmap cache_; // the whole widget at cache_.devicePixelRatio(); null until first painted
    QSize cacheSize_;
};

} // namespace oq
