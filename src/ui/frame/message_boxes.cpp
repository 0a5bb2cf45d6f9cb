#include "ui/frame/message_boxes.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "store/store_messages.h"
#include "ui/common/ui_text.h"

#include <QApplication>
#include <QMessageBox>

namespace zm {
namespace {

QString Caption() {
    return Text(IDS_APP_TITLE);
}

void ErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, Caption(), text, QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace

void ShowLibraryError(LibraryResult code) {
    const std::optional<LibraryErrorBox> error = ReportLibraryError(code);
    if (!error) return;
    if (error->sound != ResultSound::None) QApplication::beep();
    ErrorBox(QString::fromStdString(error->text));
}

void ShowFatalError(LibraryResult code) {
    if (ReportLibraryError(code)) {
        ShowLibraryError(code);
        return;
    }
    QApplication::beep();
    ErrorBox(QString::fromStdString(FormatText(IDS_FATAL_CLOSING, {CodeOf(code)})));
}

void ShowStartFailure(const QString& why) {
    ErrorBox(QString::fromStdString(FormatText(IDS_START_FAILED, {why.toStdString()})));
}

void ShowErrorNotWaiting(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Critical, Caption(), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setModal(false);
    box->show();
}

void QtStorePrompts::ShowFileError(const std::string& text) {
    ErrorBox(QString::fromStdString(text));
}

void QtStorePrompts::TellLibraryCreated(const std::string& text) {
    QMessageBox box(QMessageBox::Information, Caption(), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtStorePrompts::ConfirmConversion(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, Caption(), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

bool QtStorePrompts::ConfirmFutureStampCorrection() {
    QMessageBox box(QMessageBox::Warning, Text(IDS_FUTURE_STAMPS_CAPTION),
                    Text(IDS_FUTURE_STAMPS_QUESTION), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zm
