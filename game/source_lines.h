#pragma once

#include <QList>
#include <QStringView>

namespace orvane {

// A line of generated source as the compiler reads it.
struct SourceLine {
    QStringView text;     // without its line break and leading indent
    qsizetype bytes = 0;  // the whole line's UTF-8 bytes, indent included, CR LF excluded
    int number = 0;       // from 1
};

// The lines of `source`, split where the compiler splits them: at every line feed, a CR
// before it belonging to the break.
QList<SourceLine> SourceLines(QStringView source);

// The UTF-8 bytes of `text` as the file is saved: a lone surrogate takes the 3 of U+FFFD.
qsizetype Utf8Size(QStringView text);

}  // namespace orvane
