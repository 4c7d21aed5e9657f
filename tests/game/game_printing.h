#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>
#include <string>

// Lets GoogleTest show byte strings and QStrings readably when an assertion fails: printable
// ASCII as it is, every other byte as \xHH.
inline std::string readableBytes(const QByteArray &bytes) {
    std::string out;
    static const char digits[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out += c;
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\\') {
            out += "\\\\";
        } else {
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 15];
        }
    }
    return out;
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os) {
    *os << '"' << readableBytes(bytes) << '"';
}

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}
