#include "windows/help_form.h"

#include "core/shared_state.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace oq {

namespace {

// Headings at even indexes, the lines they introduce at the odd ones.
const char* const HelpTexts[6] = {
    "On a free space on any Tab:",
    "Right Click: Open this Help form.\n"
    "Right Click + <Ctrl>: Open the About form.\n"
    "Double Click: Open Windows calculator.",
    "On any Numbers box:",
    "<F1>: Open this Help form.\n"
    "<Space> in an empty box: Select the Unknown option associated with the selected box if "
    "present.\n"
    "Double Click or <Ctrl> + <Del>: Clear the box\n"
    "<Shift> + Right Click + or <Shift> + <Enter>: Open a form to show and change number of "
    "decimals of the selected box.\n"
    "<Ctrl> + Right Click or <Ctrl> + <Enter>: Open a Properties form with all the actual values "
    "of the tab.",
    "On any form except the Main form:",
    "<Esc>: Close the form and return to Main form. ",
};

} // namespace

HelpForm::HelpForm(SharedState& state, QWidget* parent)
    : SmallWindow(state, parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Key Strokes and Mouse Clicks"));

    auto* layout = new QVBoxLayout(this);
    // The longest line decides the width; the window follows the font instead of a fixed size.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel(QString::fromUtf8(HelpTexts[i]), this);
        label->setObjectName(QStringLiteral("Label_Help(%1)").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        if (i % 2 == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            if (i > 0)
                layout->addSpacing(label->fontMetrics().height() / 2);
        } else {
            label->setIndent(label->fontMetrics().averageCharWidth() * 2);
        }
        layout->addWidget(label);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command_OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &HelpForm::Command_OK_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(buttons);

    ok->setFocus();
}

void HelpForm::Command_OK_Click() {
    closeKeepingTab();
}

} // namespace oq
