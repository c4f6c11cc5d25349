#include "core/tab_strip.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QVBoxLayout>
#include <algorithm>

namespace oq {

StripRow::StripRow(QWidget* parent)
    : QTabBar(parent) {
    setExpanding(false);
    setUsesScrollButtons(false);
    setDrawBase(false);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            emit picked(index);
    });
    // Also when someone sets a row's current tab directly.
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            emit picked(index);
    });
}

void StripRow::setActive(bool active) {
    if (active_ == active)
        return;
    active_ = active;
    update();
}

bool StripRow::event(QEvent* event) {
    const bool handled = QTabBar::event(event);
    // A mnemonic makes its tab the row's current one; report it even when it already was.
    if (event->type() == QEvent::Shortcut && currentIndex() >= 0)
        emit picked(currentIndex());
    return handled;
}

void StripRow::paintEvent(QPaintEvent* event) {
    if (active_) {
        QTabBar::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

TabStrip::TabStrip(QWidget* parent)
    : QWidget(parent)
    , stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stack_, 1);
    stack_->setFrameShape(QFrame::StyledPanel);

    // Shift+Tab reaches the program as Tab with Shift, as Backtab with Shift, or (X11, where
    // Shift is spent on making Backtab) as Backtab alone, so a step back answers to each. One
    // shortcut holds every sequence of a direction: where a key press matches two of them, Qt
    // sends that one shortcut a single, ambiguous activation, and the strip moves by one tab.
    auto addShortcut = [this](const QList<QKeySequence>& keys, int delta) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, delta] { step(delta); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this, [this, delta] { step(delta); });
    };
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
                1);
    addShortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                 QKeySequence(Qt::CTRL | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
                -1);
}

// Rows are made as they are first needed; a row without tabs stays hidden.
StripRow* TabStrip::rowAt(int row) {
    while (static_cast<int>(rows_.size()) <= row) {
        auto* strip = new StripRow(this);
        const int rowIndex = static_cast<int>(rows_.size());
        connect(strip, &StripRow::picked, this, [this, rowIndex](int local) {
            for (size_t i = 0; i < places_.size(); ++i)
                if (places_[i].row == rowIndex && places_[i].local == local)
                    setCurrentIndex(static_cast<int>(i));
        });
        connect(strip, &QTabBar::tabBarDoubleClicked, this, &TabStrip::doubleClicked);
        strip->hide();
        rows_.push_back(strip);
        static_cast<QVBoxLayout*>(layout())->insertWidget(rowIndex, strip);
    }
    return rows_[static_cast<size_t>(row)];
}

int TabStrip::addTab(QWidget* page, const QString& caption, int row) {
    const int index = count();
    StripRow* strip = rowAt(std::max(row, 0));
    places_.push_back({std::max(row, 0), strip->addTab(caption)});
    strip->show();
    pages_.push_back(page);
    stack_->addWidget(page);
    if (current_ < 0)
        setCurrentIndex(0);
    return index;
}

void TabStrip::setPageMinimumSize(const QSize& size) {
    stack_->setMinimumSize(size);
}

QWidget* TabStrip::widget(int index) const {
    return index >= 0 && index < count() ? pages_[static_cast<size_t>(index)] : nullptr;
}

QString TabStrip::tabText(int index) const {
    if (index < 0 || index >= count())
        return {};
    const Place& place = places_[static_cast<size_t>(index)];
    return rows_[static_cast<size_t>(place.row)]->tabText(place.local);
}

void TabStrip::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    const Place& place = places_[static_cast<size_t>(index)];
    for (size_t r = 0; r < rows_.size(); ++r) {
        const bool active = static_cast<int>(r) == place.row;
        rows_[r]->setActive(active);
        if (active) {
            const QSignalBlocker blocker(rows_[r]);
            rows_[r]->setCurrentIndex(place.local);
        }
    }
    stack_->setCurrentIndex(index);
    emit currentChanged(index);
}

void TabStrip::step(int delta) {
    setCurrentIndex((current_ + delta + count()) % count());
}

// Controls keep their own clicks; captions, labels, frames, pictures and the page are free space.
bool TabStrip::isFreeSpace(const QPoint& pos) const {
    for (QWidget* w = childAt(pos); w && w != this; w = w->parentWidget())
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w))
            return false;
    return true;
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && isFreeSpace(event->position().toPoint()))
        emit rightClicked(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                Qt::AltModifier | Qt::MetaModifier));
    event->accept();
}

void TabStrip::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isFreeSpace(event->position().toPoint()))
        emit doubleClicked();
    event->accept();
}

} // namespace oq
