#include "windows/tab_properties.h"

#include "core/platform.h"
#include "core/save_file.h"
#include "windows/window_catalogue.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace oq {

namespace {

const QString NotDefined = QStringLiteral("Not Defined");
const QString LineEnd = QStringLiteral("\r\n");

} // namespace

PropertyList::PropertyList(const SharedState& state, const Sheet& sheet)
    : caption_(sheet.caption) {
    const auto t = static_cast<size_t>(sheet.tab >= 0 && sheet.tab < TabSlots ? sheet.tab : 0);
    for (size_t b = 0; b < MaxBoxes; ++b) {
        if (sheet.rowNames[b].empty())
            continue;
        name_[b] = QString::fromStdString(sheet.rowNames[b]);
        value_[b] = NotDefined;
        if (sheet.standard)
            value_[b] = QString::fromStdString(ValueText(state.StdValues[t][b]));
        else if (sheet.boxFilled[b])
            value_[b] = QString::fromStdString(ValueText(state.Values[t][b]));
    }
}

bool PropertyList::hasValue(int index) const {
    return index >= 0 && index < MaxBoxes && !value(index).isEmpty() && value(index) != NotDefined;
}

QString PropertyList::rowText(int index) const {
    return rowName(index) + QStringLiteral(": ") + value(index) + LineEnd;
}

QString PropertyList::rowsText() const {
    QString text;
    for (int i = 0; i < MaxBoxes; ++i)
        if (!value(i).isEmpty())
            text += QLatin1Char(' ') + rowText(i);
    return text;
}

QString PropertyList::allText() const {
    return caption_ + QLatin1Char(':') + LineEnd + rowsText();
}

bool PropertyList::saveToFile(Platform& platform, QWidget* parent) const {
    const QString title = QStringLiteral("Save ") + caption_ + QStringLiteral(" Values");
    // The list ends with an empty line.
    const QString text = QStringLiteral("Properties of ") + caption_ + QLatin1Char(':') + LineEnd +
                         rowsText() + LineEnd;

    Platform::SaveRequest request;
    request.title = title;
    request.folder = QDir::homePath();
    request.defaultSuffix = QStringLiteral("txt");
    request.filter = QStringLiteral("Text Files (*.txt)");
    const QString path = platform.saveFileName(parent, request);
    if (path.isEmpty())
        return false;

    // Bytes, not a text stream: the line ends stay CR LF on every system.
    const QString reason = SaveFile(path, text.toUtf8());
    if (!reason.isEmpty()) {
        platform.critical(parent, title,
                          QStringLiteral("The values could not be saved to\n%1\n\n%2")
                              .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}

TabProperties::TabProperties(SharedState& state, Platform& platform, Sheet sheet,
                             QWidget* mainWindow)
    : SmallWindow(state, mainWindow)
    , platform_(platform)
    , list_(state, sheet)
    , mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TabProperties"));
    setWindowTitle(QStringLiteral("Properties"));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Up to ten rows in one column; more (the board tabs) in two columns of equal length, so
    // the window stays on a small screen.
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int shown = 0;
    for (int i = 0; i < MaxBoxes; ++i)
        shown += list_.rowName(i).isEmpty() ? 0 : 1;
    const int perColumn = shown <= 10 ? std::max(shown, 1) : (shown + 1) / 2;
    int placed = 0;
    QList<QWidget*> tabOrder;
    for (int i = 0; i < MaxBoxes; ++i) {
        auto* frame = new QGroupBox(QStringLiteral("N/A"), this);
        frame->setObjectName(QStringLiteral("Frame_Value(%1)").arg(i));
        auto* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("Label_CurrentValue(%1)").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Room for a full-precision number in exponent form, whatever the font.
        label->setMinimumWidth(
            label->fontMetrics().horizontalAdvance(QStringLiteral("-8.88888888888888E+888")));
        auto* copy = new QPushButton(QStringLiteral("Copy"), frame);
        copy->setObjectName(QStringLiteral("Command_CopyVal(%1)").arg(i));
        copy->setEnabled(false);
        connect(copy, &QPushButton::clicked, this, [this, i] { Command_CopyVal_Click(i); });
        auto* row = new QHBoxLayout(frame);
        row->addWidget(label, 1);
        row->addWidget(copy);
        tabOrder << copy;

        // Rows the tab does not fill keep "N/A", no value and a disabled Copy, out of sight.
        if (list_.rowName(i).isEmpty()) {
            frame->hide();
            continue;
        }
        grid->addWidget(frame, placed % perColumn, placed / perColumn);
        ++placed;
        frame->setTitle(list_.rowName(i));
        label->setText(list_.value(i));
        copy->setEnabled(list_.hasValue(i));
    }

    auto* hint = new QLabel(QStringLiteral("To change the number of decimals on\n"
                                           "a numbers box, Right Click on it with\n"
                                           "SHIFT down."),
                            this);
    hint->setObjectName(QStringLiteral("Label_AV"));
    hint->setTextFormat(Qt::PlainText);
    layout->addWidget(hint);

    auto* copyAll = new QPushButton(QStringLiteral("Copy All"), this);
    copyAll->setObjectName(QStringLiteral("Command_CopyAllVal"));
    auto* save = new QPushButton(QStringLiteral("Save to File"), this);
    save->setObjectName(QStringLiteral("Command_Save"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command_OK"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyAll);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    tabOrder << copyAll << save << close;
    chainTabOrder(tabOrder);

    connect(copyAll, &QPushButton::clicked, this, &TabProperties::Command_CopyAllVal_Click);
    connect(save, &QPushButton::clicked, this, &TabProperties::Command_Save_Click);
    connect(close, &QPushButton::clicked, this, &TabProperties::Command_OK_Click);

    setWindowTitle(QStringLiteral(" Properties of ") + list_.caption());
}

void TabProperties::Command_CopyVal_Click(int index) {
    if (index < 0 || index >= MaxBoxes)
        return;
    platform_.setClipboardText(list_.rowText(index));
}

void TabProperties::Command_CopyAllVal_Click() {
    platform_.setClipboardText(list_.allText());
    closeKeepingTab();
}

void TabProperties::Command_Save_Click() {
    if (list_.saveToFile(platform_, this))
        closeKeepingTab();
}

void TabProperties::Command_OK_Click() {
    closeKeepingTab();
}

void TabProperties::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeBelowMainWindow();
}

void TabProperties::placeBelowMainWindow() {
    if (!mainWindow_)
        return;
    const QWidget* main = mainWindow_->window();
    const QRect mainFrame = main->frameGeometry();
    const QSize size = frameGeometry().size();
    int x = mainFrame.center().x() - size.width() / 2;
    int y = mainFrame.top() + mainFrame.height();

    // Directly below may be off the screen when the main window sits low: stay in sight.
    if (const QScreen* screen = main->screen()) {
        const QRect area = screen->availableGeometry();
        x = std::max(area.left(), std::min(x, area.left() + area.width() - size.width()));
        y = std::max(area.top(), std::min(y, area.top() + area.height() - size.height()));
    }
    move(x, y);
}

} // namespace oq
