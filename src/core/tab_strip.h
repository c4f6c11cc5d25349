#pragma once

#include <QTabBar>
#include <QWidget>
#include <vector>

class QStackedWidget;

namespace oq {

// One row of the strip. A row that does not hold the current tab shows none of its tabs as
// selected.
class StripRow : public QTabBar {
    Q_OBJECT
  public:
    explicit StripRow(QWidget* parent = nullptr);
    void setActive(bool active);
    bool isActive() const { return active_; }

  signals:
    // A tab of this row was chosen by mouse or mnemonic, also when it already was the row's
    // current one.
    void picked(int localIndex);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool active_ = false;
};

// The tab strip of the main window: all fourteen captions in rows, so that they are visible at
// once without scroll arrows, above one page area.
class TabStrip : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
    Q_PROPERTY(int count READ count)
  public:
    TabStrip(int tabsPerRow, QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& caption);
    int count() const { return static_cast<int>(pages_.size()); }
    int currentIndex() const { return current_; }
    QWidget* widget(int index) const;
    QString tabText(int index) const;
    const std::vector<StripRow*>& rows() const { return rows_; }

  public slots:
    void setCurrentIndex(int index);

  signals:
    void currentChanged(int index);
    // Mouse gestures on the strip's free space (captions, page background, labels).
    void doubleClicked();
    void rightClicked(Qt::KeyboardModifiers modifiers);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool isFreeSpace(const QPoint& pos) const;
    void step(int delta);

    int perRow_;
    int current_ = -1;
    std::vector<StripRow*> rows_;
    std::vector<QWidget*> pages_;
    QStackedWidget* stack_;
};

} // namespace oq
