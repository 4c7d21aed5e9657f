#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Lets GoogleTest show byte strings as hex and QStrings as text when an assertion fails.
inline void PrintTo(const QByteArray &bytes, std::ostream *os) {
    *os << '[' << bytes.toHex(' ').toStdString() << ']';
}

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}
