#pragma once

#include "core/platform.h"

#include <QStringList>
#include <functional>
#include <vector>

class QDialog;

namespace oq {

// Records what the program hands to the desktop and plays the user's part in modal windows.
class FakePlatform : public Platform {
  public:
    struct Message {
        QString kind; // "information", "question", "critical"
        QString title;
        QString text;
    };

    std::vector<Message> messages;
    // Plays the user while a message box is open, when set.
    std::function<void()> onMessage;
    bool questionAnswer = true;

    std::vector<SaveRequest> saveRequests;
    QString saveAnswer; // empty: the user cancels the save dialog

    QString clipboard;
    int clipboardWrites = 0;
    QStringList openedUrls;
    int calculatorStarts = 0;

    // Window titles of the modal windows in the order they were opened.
    QStringList modalTitles;
    // Plays the user inside a modal window; the window is shown (offscreen) while it runs.
    // Without a script the window is closed by its close box.
    std::function<void(QDialog*)> onModal;

    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    void critical(QWidget* parent, const QString& title, const QString& text) override;
    QString saveFileName(QWidget* parent, const SaveRequest& request) override;
    void setClipboardText(const QString& text) override;
    void openUrl(const QString& url) override;
    void startCalculator() override;
    int runModal(QDialog* dialog) override;
};

} // namespace oq
