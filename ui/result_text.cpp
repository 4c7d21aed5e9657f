#include "ui/result_text.h"

#include <QTextDocument>

namespace {
constexpr int kLinesPerParagraph = 32;
}

QString TextForDisplay(QStringView lines) {
    QString text;
    text.reserve(lines.size());
    int linesInParagraph = 0;
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != u'\r' || lines[i + 1] != u'\n') continue;
        text.append(lines.sliced(copiedUpTo, i - copiedUpTo));
        const bool last = i + 2 == lines.size();
        if (last || ++linesInParagraph == kLinesPerParagraph) {
            text.append(u'\n');
            linesInParagraph = 0;
        } else {
            text.append(QChar::LineSeparator);
        }
        copiedUpTo = ++i + 1;
    }
    text.append(lines.sliced(copiedUpTo));
    return text;
}

QString TextWithLineEnds(const QTextDocument &document) {
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps them.
    const QString raw = document.toRawText();
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != QChar::ParagraphSeparator && raw[i] != QChar::LineSeparator) continue;
        text.append(QStringView(raw).sliced(copiedUpTo, i - copiedUpTo)).append(u"\r\n");
        copiedUpTo = i + 1;
    }
    text.append(QStringView(raw).sliced(copiedUpTo));
    if (!text.isEmpty() && !text.endsWith(u'\n')) text.append(u"\r\n");
    return text;
}
