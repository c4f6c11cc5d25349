#pragma once

#include "windows/small_window.h"

#include <QString>

class QKeyEvent;

namespace oq {

class Platform;
struct SharedState;

// The address of a new mail message: the "mailto:" prefix unless the address has one in any
// case, then the subject and the body as given (no percent-encoding).
QString MailtoUrl(const QString& address, const QString& subject, const QString& body);

// Asks the desktop to open a new mail message; the outcome is not examined.
void OpenEmail(Platform& platform, const QString& address, const QString& subject,
               const QString& body);

// Program name, version and date, the update page and the maker's e-mail address.
class AboutForm : public SmallWindow {
    Q_OBJECT

  public:
    // mainCaption is the main window's caption, "<name>, <version> - <date> / <author>".
    AboutForm(SharedState& state, Platform& platform, const QString& mainCaption, QWidget* parent);

  public slots:
    // Closes the window and tells the main window to keep its current tab.
    void Command_OK_Click();
    void Command_CheckUpdate_Click();
    void Label_eMail_Click();

  protected:
    void escapePressed() override { Command_OK_Click(); }

  private:
    Platform& platform_;
};

} // namespace oq
