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

// The tab strip of the main window: every caption in rows, so that they are visible at once
// without scroll arrows, above one page area. Tabs are numbered in the order they were added;
// Ctrl+Tab and Ctrl+PageDown step through them in that order, across the rows; Ctrl+Shift+Tab
// and Ctrl+PageUp step back.
class TabStrip : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
    Q_PROPERTY(int count READ count)
  public:
    explicit TabStrip(QWidget* parent = nullptr);

    // Adds a tab at the end of row `row` (0 the top one); returns its number.
    int addTab(QWidget* page, const QString& caption, int row);
    int count() const { return static_cast<int>(pages_.size()); }
    int currentIndex() const { return current_; }
    QWidget* widget(int index) const;
    QString tabText(int index) const;
    const std::vector<StripRow*>& rows() const { return rows_; }
    // The least room the page area keeps, whatever its pages ask for.
    void setPageMinimumSize(const QSize& size);

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
    struct Place {
        int row;
        int local; // the tab's index in its row
    };

    bool isFreeSpace(const QPoint& pos) const;
    void step(int delta);
    StripRow* rowAt(int row);

    int current_ = -1;
    std::vector<StripRow*> rows_;
    std::vector<QWidget*> pages_;
    std::vector<Place> places_; // by tab number
    QStackedWidget* stack_;
};

} // namespace oq
