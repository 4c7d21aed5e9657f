#include "ui/result_text.h"

#include <QTextDocument>

QString TextForDisplay(QStringView lines) {
    QString text = lines.toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString TextWithLineEnds(const QTextDocument &document) {
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps them.
    QString text = document.toRawText();
    if (text.isEmpty()) return text;
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    if (!text.endsWith(u'\n')) text += QStringLiteral("\r\n");
    return text;
}
