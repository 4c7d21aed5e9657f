#include "output/utf8.h"

#include "output/ascii_run.h"
#include "output/cp1251.h"

#include <algorithm>

namespace orvane {

namespace {

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
bool isSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDFFF;
}

constexpr char32_t kReplacement = 0xFFFD;

std::uint32_t measure(const char16_t *source, std::uint32_t sourceChars) {
    std::uint32_t bytes = 0;
    for (std::uint32_t i = 0; i < sourceChars; ++i) {
        const char16_t u = source[i];
        if (u <= 0x7F) {
            bytes += 1;
        } else if (u <= 0x7FF) {
            bytes += 2;
        } else if (isHighSurrogate(u) && i + 1 < sourceChars && isLowSurrogate(source[i + 1])) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;
        }
    }
    return bytes + 1;
}

// Encodes the units from `s` up to `end` without checking for room: the caller has 3 bytes for
// every unit and one more, enough even for a pair whose low half lies at `end` (before `limit`).
void encodeWithRoom(const char16_t *&s, const char16_t *end, const char16_t *limit,
                    unsigned char *&out) {
    while (s < end) {
        if (*s <= 0x7F) {
            // Mostly the space between two words of another script.
            if (end - s >= 2 && s[1] > 0x7F) {
                *out++ = static_cast<unsigned char>(*s++);
                continue;
            }
            ascii_run::copy(s, end, out);
            continue;
        }
        char32_t u = *s++;
        if (u <= 0x7FF) {
            *out++ = static_cast<unsigned char>(0xC0 | (u >> 6));
            *out++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else if (isHighSurrogate(char16_t(u)) && s < limit && isLowSurrogate(*s)) {
            u = 0x10000 + ((u - 0xD800) << 10) + (*s++ - 0xDC00);
            *out++ = static_cast<unsigned char>(0xF0 | (u >> 18));
            *out++ = static_cast<unsigned char>(0x80 | ((u >> 12) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else {
            if (isSurrogate(char16_t(u))) u = kReplacement;
            *out++ = static_cast<unsigned char>(0xE0 | (u >> 12));
            *out++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        }
    }
}

}  // namespace

std::uint32_t UnicodeToUtf8(char *dest, std::uint32_t maxDestBytes, const char16_t *source,
                            std::uint32_t sourceChars) {
    if (!source) return 0;
    if (!dest) return measure(source, sourceChars);

    auto *out = reinterpret_cast<unsigned char *>(dest);
    // As far as the buffer is sure to hold every character, no character needs a room check;
    // only the rest of a text in a tight buffer goes the careful way below.
    const std::uint32_t roomyUnits =
        std::min(sourceChars, maxDestBytes > 0 ? (maxDestBytes - 1) / 3 : 0);
    const char16_t *s = source;
    unsigned char *o = out;
    encodeWithRoom(s, source + roomyUnits, source + sourceChars, o);
    auto i = static_cast<std::uint32_t>(s - source);
    auto n = static_cast<std::uint32_t>(o - out);
    while (i < sourceChars && n < maxDestBytes) {
        char32_t u = source[i++];
        if (u <= 0x7F) {
            out[n++] = static_cast<unsigned char>(u);
        } else if (u <= 0x7FF) {
            if (std::uint64_t{n} + 2 > maxDestBytes) break;
            out[n++] = static_cast<unsigned char>(0xC0 | (u >> 6));
            out[n++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else if (isHighSurrogate(char16_t(u)) && i < sourceChars && isLowSurrogate(source[i])) {
            if (std::uint64_t{n} + 4 > maxDestBytes) break;
            u = 0x10000 + ((u - 0xD800) << 10) + (source[i++] - 0xDC00);
            out[n++] = static_cast<unsigned char>(0xF0 | (u >> 18));
            out[n++] = static_cast<unsigned char>(0x80 | ((u >> 12) & 0x3F));
            out[n++] = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            out[n++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else {
            if (isSurrogate(char16_t(u))) u = kReplacement;
            if (std::uint64_t{n} + 3 > maxDestBytes) break;
            out[n++] = static_cast<unsigned char>(0xE0 | (u >> 12));
            out[n++] = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            out[n++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
        }
    }
    if (n >= maxDestBytes) n = maxDestBytes - 1;
    out[n] = 0;
    return n + 1;
}

QByteArray Utf8Encode(QStringView text) {
    if (text.isEmpty()) return {};
    // Three bytes a unit always suffice (a pair of units takes four). A text too long for
    // one 32-bit call goes in pieces that never split a surrogate pair.
    constexpr qsizetype kMaxPiece = qsizetype{1} << 28;
    QByteArray result(3 * text.size() + 1, Qt::Uninitialized);
    qsizetype written = 0;
    for (qsizetype begin = 0; begin < text.size();) {
        qsizetype length = std::min(kMaxPiece, text.size() - begin);
        if (begin + length < text.size() && text[begin + length - 1].isHighSurrogate()) --length;
        const auto room = static_cast<std::uint32_t>(3 * length + 1);
        const std::uint32_t count =
            UnicodeToUtf8(result.data() + written, room, text.utf16() + begin,
                          static_cast<std::uint32_t>(length));
        if (count < 1) break;
        written += count - 1;
        begin += length;
    }
    result.truncate(written);
    return result;
}

QByteArray AnsiToUtf8(QByteArrayView text) {
    return Utf8Encode(Cp1251ToUnicode(text));
}

}  // namespace orvane
