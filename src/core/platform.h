#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace oq {

// Everything that leaves the program goes through here, so tests can put a recording fake in
// its place.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // True when the user answers Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void critical(QWidget* parent, const QString& title, const QString& text) = 0;

    struct SaveRequest {
        QString title;
        QString folder;        // initial folder
        QString defaultSuffix; // without the dot
        QString filter;        // Qt form, e.g. "Text Files (*.txt)"
        QString proposedName;
    };
    // The chosen path, with overwrite confirmed; empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const SaveRequest& request) = 0;

    // Replaces the clipboard's content with the text.
    virtual void setClipboardText(const QString& text) = 0;
    // Hands a web or mailto address to the desktop; the outcome is not examined.
    virtual void openUrl(const QString& url) = 0;
    // Starts the desktop's calculator without waiting for it; failure is not reported.
    virtual void startCalculator() = 0;
    // Runs a window modally and returns its result code once it has closed.
    virtual int runModal(QDialog* dialog) = 0;
};

// The real desktop.
class QtPlatform : public Platform {
  public:
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
