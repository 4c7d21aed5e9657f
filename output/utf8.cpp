#include "output/utf8.h"

#include "output/cp1251.h"

#include <algorithm>
#include <cstring>

namespace orvane {

namespace {

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool isSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDFFF; }

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

// Four UTF-16 units at once when all of them are ASCII: most source text is.
bool fourAscii(const char16_t *source) {
    std::uint64_t units;
    std::memcpy(&units, source, sizeof units);
    return (units & 0xFF80FF80FF80FF80ULL) == 0;
}

}  // namespace

std::uint32_t UnicodeToUtf8(char *dest, std::uint32_t maxDestBytes, const char16_t *source,
                            std::uint32_t sourceChars) {
    if (!source) return 0;
    if (!dest) return measure(source, sourceChars);

    auto *out = reinterpret_cast<unsigned char *>(dest);
    std::uint32_t n = 0;
    std::uint32_t i = 0;
    while (i < sourceChars && n < maxDestBytes) {
        if (sourceChars - i >= 4 && maxDestBytes - n >= 4 && fourAscii(source + i)) {
            for (int k = 0; k < 4; ++k) out[n + k] = static_cast<unsigned char>(source[i + k]);
            n += 4;
            i += 4;
            continue;
        }
        char32_t u = source[i++];
        if (u <= 0x7F) {
            out[n++] = static_cast<unsigned char>(u);
        } else if (u <= 0x7FF) {
            if (n + 2 > maxDestBytes) break;
            out[n++] = static_cast<unsigned char>(0xC0 | (u >> 6));
            out[n++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else if (isHighSurrogate(char16_t(u)) && i < sourceChars &&
                   isLowSurrogate(source[i])) {
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

QByteArray AnsiToUtf8(QByteArrayView text) { return Utf8Encode(Cp1251ToUnicode(text)); }

}  // namespace orvane
