#pragma once

#include "core/shared_state.h"

#include <QString>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace oq {

// Object name of a control-array element: ControlName("Text", "RP", 0) = "Text_RP(0)".
QString ControlName(const char* kind, const char* code, int index);

// A check box's Click runs whenever its value changes and an option's Click whenever it becomes
// selected, by the user or by the program. Every tab binds its buttons through these.
void OnClick(QCheckBox* box, std::function<void()> handler);
void OnClick(QRadioButton* option, std::function<void()> handler);

// Qt raises no change event when a write leaves a control as it was, so the guard flag must be
// set only when the write really changes something; otherwise it would swallow the user's next
// keystroke.
void SetTextSkipping(SharedState& state, QLineEdit* box, const QString& text);
void SetCheckedSkipping(SharedState& state, QAbstractButton* button, bool checked);

// Keeps a check box or option button as wide as its caption, so that a click beside the caption
// does not look like a click on it.
void FitToCaption(QAbstractButton* button);

// The red warning label of a tab, hidden until a calculation fails; its red reads on the theme.
void MakeWarningLabel(QLabel* label);

QString Qs(const std::string& text);

} // namespace oq
