#pragma once

#include "generator/coloured_text.h"

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

// Coloured text as a person types it: short runs in the four menu colours, lines of about
// sixty characters.
inline void typeColouredText(QTextEdit &box, qsizetype characters) {
    const orvane::Rgb colours[] = {orvane::MenuColour::White, orvane::MenuColour::Yellow,
                                   orvane::MenuColour::Red, orvane::MenuColour::Grey};
    QTextCursor cursor(box.document());
    QTextCharFormat format;
    qsizetype typed = 0;
    for (int run = 0; typed < characters; ++run) {
        format.setForeground(QColor::fromRgb(QRgb(colours[run % 4])));
        const QString text =
            run % 6 == 5 ? QStringLiteral("0. Exit\n") : QStringLiteral("1. Kick ");
        cursor.insertText(text, format);
        typed += text.size();
    }
}
