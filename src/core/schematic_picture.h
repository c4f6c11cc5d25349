#pragma once

#include <QByteArray>
#include <QColor>
#include <QSvgRenderer>
#include <QWidget>

namespace oq {

// A tab's schematic, drawn from its SVG at any size with its proportions kept. The drawing's
// lines and labels are in `currentColor`, which is drawn in the palette's text colour so that the
// picture reads on a dark theme as on a light one.
class SchematicPicture : public QWidget {
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
    void loadInk(const QColor& ink);

    QByteArray drawing_;
    QColor loadedInk_;
    QSvgRenderer renderer_;
};

} // namespace oq
