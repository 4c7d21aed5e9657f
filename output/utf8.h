#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <cstdint>

namespace orvane {

// Encodes `sourceChars` UTF-16 units as UTF-8 into `dest` and appends a terminating zero;
// returns the bytes stored, the zero included. A valid surrogate pair becomes one 4-byte
// sequence, a lone surrogate U+FFFD. A character that does not fit in `maxDestBytes` ends the
// text there; when the text fills the buffer its last byte gives way to the zero.
// With `dest` null, returns the bytes needed (the zero included); with `source` null, 0.
// With `dest` given, `maxDestBytes` must be at least 1.
std::uint32_t UnicodeToUtf8(char *dest, std::uint32_t maxDestBytes, const char16_t *source,
                            std::uint32_t sourceChars);

// The UTF-8 bytes of `text`, without a terminating zero.
QByteArray Utf8Encode(QStringView text);

// The UTF-8 bytes of 8-bit Windows-1251 text.
QByteArray AnsiToUtf8(QByteArrayView text);

}  // namespace orvane
