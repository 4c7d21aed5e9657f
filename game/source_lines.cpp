#include "game/source_lines.h"

namespace orvane {

qsizetype Utf8Size(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

QList<SourceLine> SourceLines(QStringView source) {
    QList<SourceLine> lines;
    qsizetype begin = 0;
    int number = 0;
    while (begin < source.size()) {
        qsizetype end = source.indexOf(u'\n', begin);
        const qsizetype next = end < 0 ? source.size() : end + 1;
        if (end < 0) end = source.size();
        if (end > begin && source[end - 1] == u'\r') --end;
        QStringView line = source.sliced(begin, end - begin);
        const qsizetype bytes = Utf8Size(line);
        while (!line.isEmpty() && line.front() == u' ') line = line.sliced(1);
        lines.append(SourceLine{line, bytes, ++number});
        begin = next;
    }
    return lines;
}

}  // namespace orvane
