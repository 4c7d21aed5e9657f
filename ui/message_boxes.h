#pragma once

#include <QString>

class QWidget;

// The application's title: the caption of the exception report box and the program's name.
inline const QString kApplicationTitle = QStringLiteral("Simple Orvane v1.0.0");

// Refuses the user's input: caption "Error", an error icon and one OK button. A carriage
// return in the text starts a new line.
void ShowErrorMessage(QWidget *parent, const QString &text);

// Reports a failed operation: caption kApplicationTitle, a stop icon, one OK button; a full
// stop is added when the message's last character sorts after one.
void ShowExceptionReport(QWidget *parent, const QString &message);

// The text the exception report box shows for `message`.
QString ExceptionReportText(const QString &message);
