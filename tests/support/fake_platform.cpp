#include "fake_platform.h"

#include <QDialog>

namespace oq {

void FakePlatform::information(QWidget*, const QString& title, const QString& text) {
    messages.push_back({QStringLiteral("information"), title, text});
    if (onMessage)
        onMessage();
}

bool FakePlatform::question(QWidget*, const QString& title, const QString& text) {
    messages.push_back({QStringLiteral("question"), title, text});
    if (onMessage)
        onMessage();
    return questionAnswer;
}

void FakePlatform::critical(QWidget*, const QString& title, const QString& text) {
    messages.push_back({QStringLiteral("critical"), title, text});
    if (onMessage)
        onMessage();
}

QString FakePlatform::saveFileName(QWidget*, const SaveRequest& request) {
    saveRequests.push_back(request);
    return saveAnswer;
}

void FakePlatform::setClipboardText(const QString& text) {
    clipboard = text;
    ++clipboardWrites;
}

void FakePlatform::openUrl(const QString& url) {
    openedUrls << url;
}

void FakePlatform::startCalculator() {
    ++calculatorStarts;
}

int FakePlatform::runModal(QDialog* dialog) {
    modalTitles << dialog->windowTitle();
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    if (onModal)
        onModal(dialog);
    if (dialog->isVisible())
        dialog->close();
    return dialog->result();
}

} // namespace oq
