#include "core/start_up_style.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>
#include <algorithm>
#include <cstring>
#include <qdrawutil.h>

namespace oq {

namespace {

// The name Qt gives a menu bar's extension button.
constexpr const char* MenuBarArrowName = "qt_menubar_ext_button";

// Qt 6.4's Fusion group-box frame: its image, and its top margin under the title.
constexpr const char* GroupBoxFrameImage =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int GroupBoxTopMargin = 3;
constexpr int GroupBoxFrameBorder = 6;

} // namespace

StartUpStyle::StartUpStyle() = default;

StartUpStyle::StartUpStyle(QStyle* base)
    : QProxyStyle(base) {}

// The menu bar asks for its extension arrow while it makes the button, which it shows only when
// the menu bar is too narrow for its menus. The button goes without the arrow until it shows.
QIcon StartUpStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton && !option &&
        qobject_cast<const QMenuBar*>(widget)) {
        if (auto* arrow = widget->findChild<QToolButton*>(QLatin1String(MenuBarArrowName),
                                                          Qt::FindDirectChildrenOnly);
            arrow && arrow->icon().isNull() && !arrow->isVisible()) {
            arrow->installEventFilter(const_cast<StartUpStyle*>(this));
            return QIcon();
        }
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

bool StartUpStyle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* arrow = qobject_cast<QToolButton*>(watched);
            arrow && arrow->objectName() == QLatin1String(MenuBarArrowName)) {
            arrow->removeEventFilter(this);
            arrow->setIcon(QProxyStyle::standardIcon(SP_ToolBarHorizontalExtensionButton, nullptr,
                                                     arrow->parentWidget()));
        }
    }
    return QProxyStyle::eventFilter(watched, event);
}

bool StartUpStyle::drawsGroupBoxFrame() const {
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    return std::strcmp(baseStyle()->metaObject()->className(), "QFusionStyle") == 0;
#else
    return false;
#endif
}

void StartUpStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !drawsGroupBoxFrame()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (groupBoxFrame_.isNull()) {
        // The format told and nothing guessed: Qt's PNG reader, and no plugin asked.
        QImageReader reader(QLatin1String(GroupBoxFrameImage), "png");
        reader.setAutoDetectImageFormat(false);
        groupBoxFrame_ = QPixmap::fromImage(reader.read());
    }
    // The frame starts below the title, or the check box; a box with neither keeps a small margin.
    int top = GroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                        option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0),
                      QMargins(GroupBoxFrameBorder, GroupBoxFrameBorder, GroupBoxFrameBorder,
                               GroupBoxFrameBorder),
                      groupBoxFrame_);
}

void UseStartUpStyle() {
    QApplication::setStyle(new StartUpStyle);
}

} // namespace oq
