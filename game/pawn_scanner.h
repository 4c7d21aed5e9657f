#pragma once

#include <QString>
#include <QStringView>

namespace orvane {

// One step of the compiler through a string literal's text.
struct PawnToken {
    enum Kind {
        Text,    // ordinary characters, stored as their UTF-8 bytes
        Escape,  // a ^ escape, stored as one byte
        Problem  // what the compiler rejects; nothing after it counts
    };
    Kind kind = Text;
    qsizetype length = 0;     // UTF-16 units taken from the text
    quint8 byte = 0;          // Escape: the low byte of its code; zero ends the stored text
    QString problem;          // Problem: one line, for example "a \" ends the string"
    qsizetype problemAt = 0;  // Problem: where it is, from the token's start
};

// The token that starts at `position` (< text.size()). A ^ as the text's last character is a
// problem: it escapes the quote that closes the literal in the source.
PawnToken NextPawnToken(QStringView text, qsizetype position);

}  // namespace orvane
