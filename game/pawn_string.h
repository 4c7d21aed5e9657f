#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace orvane {

// The first thing in a string literal's text that AMX Mod X's compiler rejects.
struct PawnStringProblem {
    qsizetype position = 0;  // index into the text, in UTF-16 units
    QString what;            // one line, for example "a \" ends the string"
};

// A string literal's text as the compiler stores it and AMX Mod X reads it back: UTF-8 bytes
// with the ^ escapes applied (a code keeps its low byte), ending at a zero code. With a problem,
// the bytes before it.
struct PawnString {
    QByteArray bytes;
    std::optional<PawnStringProblem> problem;
};

// `text` is what stands between the literal's quotes in the generated source.
PawnString PawnStringBytes(QStringView text);

}  // namespace orvane
