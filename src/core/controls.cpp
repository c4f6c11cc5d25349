#include "core/controls.h"

#include "core/readable_colours.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace oq {

QString ControlName(const char* kind, const char* code, int index) {
    return QStringLiteral("%1_%2(%3)").arg(QLatin1String(kind), QLatin1String(code)).arg(index);
}

void OnClick(QCheckBox* box, std::function<void()> handler) {
    QObject::connect(box, &QCheckBox::toggled, box,
                     [handler = std::move(handler)](bool) { handler(); });
}

void OnClick(QRadioButton* option, std::function<void()> handler) {
    QObject::connect(option, &QRadioButton::toggled, option,
                     [handler = std::move(handler)](bool checked) {
                         if (checked)
                             handler();
                     });
}

void SetTextSkipping(SharedState& state, QLineEdit* box, const QString& text) {
    if (box->text() == text)
        return;
    state.SkipChange = true;
    box->setText(text);
}

void SetCheckedSkipping(SharedState& state, QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked)
        return;
    state.SkipChange = true;
    button->setChecked(checked);
}

void FitToCaption(QAbstractButton* button) {
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

void MakeWarningLabel(QLabel* label) {
    FollowTextColour(label, WarningColour);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    // Its room is kept while it is hidden, so that the page does not grow when it shows.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
}

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace oq
