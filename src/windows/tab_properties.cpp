#include "windows/tab_properties.h"

#include "core/platform.h"
#include "core/save_file.h"
#include "windows/window_catalogue.h"

#include <QDir>
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

TabProperties::TabProperties(SharedState& state, Platform& platform, Sheet sheet,
                             QWidget* mainWindow)
    : SmallWindow(state, mainWindow)
    , platform_(platform)
    , caption_(sheet.caption)
    , mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TabProperties"));
    setWindowTitle(QStringLiteral("Properties"));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const auto t = static_cast<size_t>(sheet.tab >= 0 && sheet.tab < TabSlots ? sheet.tab : 0);
    const auto& names = sheet.rowNames;
    QList<QWidget*> tabOrder;
    for (int i = 0; i < MaxBoxes; ++i) {
        const auto b = static_cast<size_t>(i);
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
        layout->addWidget(frame);
        valueLabel_[b] = label;
        tabOrder << copy;

        // Rows the tab does not fill keep "N/A", no value and a disabled Copy, out of sight.
        if (names[b].empty()) {
            frame->hide();
            continue;
        }
        rowName_[b] = QString::fromStdString(names[b]);
        frame->setTitle(rowName_[b]);
        QString value = NotDefined;
        if (sheet.standard)
            value = QString::fromStdString(ValueText(state_.StdValues[t][b]));
        else if (sheet.boxFilled[b])
            value = QString::fromStdString(ValueText(state_.Values[t][b]));
        label->setText(value);
        copy->setEnabled(value != NotDefined);
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

    setWindowTitle(QStringLiteral(" Properties of ") + caption_);
}

QString TabProperties::rowsText() const {
    QString text;
    for (size_t i = 0; i < MaxBoxes; ++i) {
        const QString value = valueLabel_[i]->text();
        if (!value.isEmpty())
            text += QLatin1Char(' ') + rowName_[i] + QStringLiteral(": ") + value + LineEnd;
    }
    return text;
}

void TabProperties::Command_CopyVal_Click(int index) {
    if (index < 0 || index >= MaxBoxes)
        return;
    const auto i = static_cast<size_t>(index);
    platform_.setClipboardText(rowName_[i] + QStringLiteral(": ") + valueLabel_[i]->text() +
                               LineEnd);
}

void TabProperties::Command_CopyAllVal_Click() {
    platform_.setClipboardText(caption_ + QLatin1Char(':') + LineEnd + rowsText());
    closeKeepingTab();
}

void TabProperties::Command_Save_Click() {
    const QString caption = caption_;
    const QString title = QStringLiteral("Save ") + caption + QStringLiteral(" Values");
    // The list ends with an empty line.
    const QString text = QStringLiteral("Properties of ") + caption + QLatin1Char(':') + LineEnd +
                         rowsText() + LineEnd;

    Platform::SaveRequest request;
    request.title = title;
    request.folder = QDir::homePath();
    request.defaultSuffix = QStringLiteral("txt");
    request.filter = QStringLiteral("Text Files (*.txt)");
    const QString path = platform_.saveFileName(this, request);
    if (path.isEmpty())
        return;

    // Bytes, not a text stream: the line ends stay CR LF on every system.
    const QString reason = SaveFile(path, text.toUtf8());
    if (!reason.isEmpty()) {
        platform_.critical(this, title,
                           QStringLiteral("The values could not be saved to\n%1\n\n%2")
                               .arg(QDir::toNativeSeparators(path), reason));
        return;
    }
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
