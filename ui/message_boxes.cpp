#include "ui/message_boxes.h"

#include <QMessageBox>

namespace {

void showModalBox(QWidget *parent, const QString &caption, const QString &text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void ShowErrorMessage(QWidget *parent, const QString &text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    showModalBox(parent, QStringLiteral("Error"), shown);
}

QString ExceptionReportText(const QString &message) {
    if (!message.isEmpty() && message.back() > u'.') return message + u'.';
    return message;
}

void ShowExceptionReport(QWidget *parent, const QString &message) {
    showModalBox(parent, kApplicationTitle, ExceptionReportText(message));
}
