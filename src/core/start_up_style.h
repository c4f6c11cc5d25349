#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace oq {

// The desktop's style for the whole program (or the one asked for with -style), with two images
// read only when they are needed instead of at start-up.
//
// Reading an image by its file name asks every image-format plugin whether it reads the format,
// which loads every one of them, and Qt reads two PNG images before the first frame:
// the arrow of the menu bar's extension button, when the menu bar is made, and, in the Fusion
// style, the frame of every group box. So:
// - a menu bar's extension arrow is read when its button first shows, which is only when the
//   menu bar is too narrow for its menus;
// - with Qt 6.4's Fusion style, the group-box frame is drawn here exactly as Fusion draws it, from
//   the same image read by Qt's own PNG reader alone. Other styles and other Qt versions draw it
//   themselves.
class StartUpStyle : public QProxyStyle {
    Q_OBJECT
  public:
    // Over the style the program would have had: the desktop's, or the one given by -style or
    // QT_STYLE_OVERRIDE.
    StartUpStyle();
    // Over `base`, which the style takes over.
    explicit StartUpStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  protected:
    // Gives a menu bar's extension button its arrow as it shows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the group-box frame is drawn here.
    bool drawsGroupBoxFrame() const;

    mutable QPixmap groupBoxFrame_; // read at the first frame drawn
};

// Makes the StartUpStyle the application's style; for the program's main() before its first
// window, and for whatever measures its start-up.
void UseStartUpStyle();

} // namespace oq
