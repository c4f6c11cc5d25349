#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace oq {

// A tab's schematic, drawn from its SVG at any size with its proportions kept.
class SchematicPicture : public QWidget {
  public:
    SchematicPicture(const QString& resource, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isValid() const { return renderer_.isValid(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer renderer_;
};

} // namespace oq
