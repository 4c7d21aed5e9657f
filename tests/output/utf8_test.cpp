#include "output/utf8.h"

#include "byte_printing.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr unsigned char kUntouched = 0xAA;
constexpr std::uint32_t kGuardBytes = 16;

std::string hex(const std::string &bytes) {
    return QByteArray::fromStdString(bytes).toHex(' ').toStdString();
}

struct Encoded {
    std::uint32_t count;
    std::string bytes;  // the bytes stored before the terminating zero
    bool zeroStored;
    bool restUntouched;  // nothing was written after the zero
};

Encoded encode(const std::u16string &source, std::uint32_t maxDestBytes) {
    std::vector<char> buffer(maxDestBytes + kGuardBytes, char(kUntouched));
    const std::uint32_t count =
        UnicodeToUtf8(buffer.data(), maxDestBytes, source.data(), std::uint32_t(source.size()));
    Encoded result{count, {}, false, true};
    if (count >= 1 && count <= maxDestBytes) {
        result.bytes.assign(buffer.data(), count - 1);
        result.zeroStored = buffer[count - 1] == 0;
    }
    for (size_t i = std::max<size_t>(count, 1); i < buffer.size(); ++i)
        result.restUntouched = result.restUntouched && (unsigned char)buffer[i] == kUntouched;
    return result;
}

struct BufferCase {
    const char *name;
    std::u16string source;
    std::uint32_t maxDestBytes;
    std::string expected;  // before the terminating zero
};

TEST(UnicodeToUtf8Test, EncodesIntoTheBufferAndEndsWithAZero) {
    const std::vector<BufferCase> cases = {
        {"empty input", u"", 1, ""},
        {"empty input, large buffer", u"", 8, ""},
        {"ASCII", u"Kick", 5, "Kick"},
        {"highest one-byte unit", u"\x7f", 2, "\x7f"},
        {"lowest two-byte unit", u"\x80", 3, "\xC2\x80"},
        {"highest two-byte unit", u"\x7ff", 3, "\xDF\xBF"},
        {"lowest three-byte unit", u"\x800", 4, "\xE0\xA0\x80"},
        {"Cyrillic", u"Далее", 11, "\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5"},
        {"euro sign", u"€", 4, "\xE2\x82\xAC"},
        {"just below the surrogates", u"\xD7FF", 4, "\xED\x9F\xBF"},
        {"just above the surrogates", u"\xE000", 4, "\xEE\x80\x80"},
        {"highest BMP unit", u"\xFFFF", 4, "\xEF\xBF\xBF"},
        {"the replacement character itself", u"\xFFFD", 4, "\xEF\xBF\xBD"},
        {"U+0000 inside the text", std::u16string(u"a\0b", 3), 4, std::string("a\0b", 3)},
        // Surrogates
        {"pair: lowest supplementary", u"\xD800\xDC00", 5, "\xF0\x90\x80\x80"},
        {"pair: emoji", u"\U0001F600", 5, "\xF0\x9F\x98\x80"},
        {"pair: highest code point", u"\xDBFF\xDFFF", 5, "\xF4\x8F\xBF\xBF"},
        {"lone high surrogate",
         u"\xD83D"
         u"A",
         5,
         "\xEF\xBF\xBD"
         "A"},
        {"lone low surrogate", u"A\xDE00", 5, "A\xEF\xBF\xBD"},
        {"high surrogate at the end", u"A\xD83D", 5, "A\xEF\xBF\xBD"},
        {"low before high", u"\xDE00\xD83D", 7, "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"two highs then a low", u"\xD83D\xD83D\xDE00", 8, "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
        // Truncation
        {"ASCII filling the buffer loses its last byte", u"A", 1, ""},
        {"ASCII filling the buffer loses its last byte, longer", u"ABCDEFGHIJ", 6, "ABCDE"},
        {"ASCII one byte short of the buffer", u"ABCDE", 6, "ABCDE"},
        {"a two-byte character that does not fit ends the text", u"A\u00e9B", 2, "A"},
        {"a two-byte character that does not fit at all", u"\u00e9", 1, ""},
        {"a two-byte character filling the buffer is cut", u"\u00e9", 2, "\xC3"},
        {"a two-byte character filling the buffer after ASCII", u"A\u00e9", 3, "A\xC3"},
        {"a three-byte character that does not fit ends the text", u"A€B", 3, "A"},
        {"a three-byte character that does not fit, two bytes left", u"AB€C", 4, "AB"},
        {"a three-byte character filling the buffer is cut", u"€", 3, "\xE2\x82"},
        {"text after a cut character is not written", u"€A", 3, "\xE2\x82"},
        {"a character after the last full one fills the buffer", u"€A", 4, "\xE2\x82\xAC"},
        {"a pair that does not fit ends the text", u"A\U0001F600", 4, "A"},
        {"a pair filling the buffer is cut", u"\U0001F600", 4, "\xF0\x9F\x98"},
        {"a replacement that does not fit ends the text", u"A\xD800", 3, "A"},
        {"later characters that would fit are not written", u"A\u00e9BC", 3, "A\xC3"},
        {"a character that would fit after one that did not is not written", u"€A", 2, ""},
    };
    for (const BufferCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Encoded encoded = encode(c.source, c.maxDestBytes);
        EXPECT_EQ(hex(encoded.bytes), hex(c.expected));
        EXPECT_EQ(encoded.count, c.expected.size() + 1);
        EXPECT_TRUE(encoded.zeroStored);
        EXPECT_TRUE(encoded.restUntouched);
    }
}

TEST(UnicodeToUtf8Test, ReadsOnlySourceCharsUnits) {
    const char16_t source[] = u"ABCD\u00e9";
    char buffer[16];
    EXPECT_EQ(UnicodeToUtf8(buffer, sizeof buffer, source, 2), 3u);
    EXPECT_EQ(std::string(buffer), "AB");
    EXPECT_EQ(UnicodeToUtf8(buffer, sizeof buffer, source, 0), 1u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, source, 4), 5u);

    // A high surrogate that ends the units is lone even when a low one follows in memory.
    const char16_t pair[] = u"A\U0001F600";
    EXPECT_EQ(UnicodeToUtf8(buffer, sizeof buffer, pair, 2), 5u);
    EXPECT_EQ(std::string(buffer), "A\xEF\xBF\xBD");
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, pair, 2), 5u);
}

struct MeasureCase {
    const char *name;
    std::u16string source;
    std::uint32_t expected;
};

TEST(UnicodeToUtf8Test, WithoutADestinationMeasuresTheBytesNeededWithTheZero) {
    const std::vector<MeasureCase> cases = {
        {"empty", u"", 1},
        {"ASCII", u"Kick", 5},
        {"boundaries of the one- and two-byte ranges", u"\x7f\x80\x7ff\x800", 1 + 2 + 2 + 3 + 1},
        {"Cyrillic", u"Выход", 11},
        {"BMP end", u"\xFFFF", 4},
        {"a pair takes four bytes", u"\U0001F600", 5},
        {"a lone high takes three",
         u"\xD83D"
         u"A",
         5},
        {"a lone low takes three", u"\xDE00", 4},
        {"high at the end takes three", u"AB\xD83D", 6},
        {"low before high", u"\xDE00\xD83D", 7},
        {"mixed", u"A€\U0001F600Д", 1 + 3 + 4 + 2 + 1},
    };
    for (const MeasureCase &c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::uint32_t maxDestBytes : {0u, 1u, 1000u}) {
            EXPECT_EQ(UnicodeToUtf8(nullptr, maxDestBytes, c.source.data(),
                                    std::uint32_t(c.source.size())),
                      c.expected);
        }
    }
}

TEST(UnicodeToUtf8Test, WithoutASourceReturnsZeroAndWritesNothing) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(UnicodeToUtf8(buffer, sizeof buffer, nullptr, 3), 0u);
    EXPECT_EQ(std::string(buffer, 4), "xxxx");
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, nullptr, 3), 0u);
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, nullptr, 0), 0u);
}

// What the encoder must store for `source` in a buffer of `maxDestBytes`: whole characters as
// long as they fit, the first one that does not ends the text, and a text that fills the
// buffer gives its last byte to the zero.
std::string expectedEncoding(const std::u16string &source, std::uint32_t maxDestBytes) {
    std::string out;
    for (size_t i = 0; i < source.size(); ++i) {
        char32_t c = source[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < source.size() && source[i + 1] >= 0xDC00 &&
            source[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (source[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        std::string sequence;
        if (c < 0x80) {
            sequence = {char(c)};
        } else if (c < 0x800) {
            sequence = {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
        } else if (c < 0x10000) {
            sequence = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                        char(0x80 | (c & 0x3F))};
        } else {
            sequence = {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                        char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
        }
        if (out.size() + sequence.size() > maxDestBytes) break;
        out += sequence;
    }
    if (out.size() >= maxDestBytes) out.resize(maxDestBytes - 1);
    return out;
}

// Runs of one kind at a time, so that ASCII runs of every length and alignment meet every
// other kind of unit, lone surrogates included.
std::u16string randomUnits(std::mt19937 &random, size_t length) {
    std::uniform_int_distribution<int> kind(0, 6);
    std::uniform_int_distribution<size_t> runLength(1, 9);
    std::uniform_int_distribution<size_t> longRunLength(10, 150);
    std::u16string units;
    while (units.size() < length) {
        const int k = kind(random);
        const size_t run = k == 0 ? longRunLength(random) : runLength(random);
        for (size_t r = run; r > 0 && units.size() < length; --r) {
            switch (k) {
                case 0:
                case 1:
                    units += char16_t(std::uniform_int_distribution<int>(0, 0x7F)(random));
                    break;
                case 2:
                    units += char16_t(std::uniform_int_distribution<int>(0x80, 0x7FF)(random));
                    break;
                case 3:
                    units += char16_t(std::uniform_int_distribution<int>(0x800, 0xFFFF)(random));
                    break;
                case 4:
                    units += char16_t(std::uniform_int_distribution<int>(0xD800, 0xDBFF)(random));
                    units += char16_t(std::uniform_int_distribution<int>(0xDC00, 0xDFFF)(random));
                    break;
                case 5:
                    units += char16_t(std::uniform_int_distribution<int>(0xD800, 0xDBFF)(random));
                    break;
                default:
                    units += char16_t(std::uniform_int_distribution<int>(0xDC00, 0xDFFF)(random));
                    break;
            }
        }
    }
    return units;
}

TEST(UnicodeToUtf8Test, MatchesTheEncodingRulesForRandomUnitsAndBufferSizes) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        const std::u16string source =
            randomUnits(random, std::uniform_int_distribution<size_t>(0, 300)(random));
        const std::string whole = expectedEncoding(source, 4 * std::uint32_t(source.size()) + 1);
        // Tight buffers of every size, and the roomy one that Utf8Encode passes.
        const std::uint32_t maxDestBytes = round % 3 == 0
                                               ? 3 * std::uint32_t(source.size()) + 1
                                               : std::uniform_int_distribution<std::uint32_t>(
                                                     1, std::uint32_t(whole.size()) + 3)(random);
        SCOPED_TRACE(testing::Message() << "round " << round << ", maxDestBytes " << maxDestBytes
                                        << ", units " << QString::fromStdU16String(source).size());
        const Encoded encoded = encode(source, maxDestBytes);
        const std::string expected = expectedEncoding(source, maxDestBytes);
        ASSERT_EQ(hex(encoded.bytes), hex(expected));
        ASSERT_EQ(encoded.count, expected.size() + 1);
        ASSERT_TRUE(encoded.zeroStored);
        ASSERT_TRUE(encoded.restUntouched);
        ASSERT_EQ(UnicodeToUtf8(nullptr, 0, source.data(), std::uint32_t(source.size())),
                  whole.size() + 1);
    }
}

struct EncodeCase {
    const char *name;
    std::u16string text;
    std::string expected;
};

TEST(Utf8EncodeTest, GivesTheBytesWithoutAZero) {
    const std::vector<EncodeCase> cases = {
        {"empty", u"", ""},
        {"one ASCII character", u"A", "A"},
        {"a line with CR LF", u"}\r\n", "}\r\n"},
        {"one Cyrillic letter", u"Д", "\xD0\x94"},
        {"only three-byte characters", u"€€€", "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
        {"lone surrogates around a pair", u"\xD800\xD800\xDC00\xDC00",
         "\xEF\xBF\xBD\xF0\x90\x80\x80\xEF\xBF\xBD"},
        {"only pairs", u"\U0001F600\U0001F600", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"},
        {"U+0000 does not end the text", std::u16string(u"a\0b\0", 4), std::string("a\0b\0", 4)},
    };
    for (const EncodeCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray encoded = Utf8Encode(QStringView(c.text.data(), qsizetype(c.text.size())));
        EXPECT_EQ(hex(encoded.toStdString()), hex(c.expected));
    }
}

TEST(Utf8EncodeTest, EncodesLongTextsWhole) {
    // Every mix of ASCII and wider characters at every offset of a long text.
    std::mt19937 random(7);
    for (const size_t length : {1000u, 4096u, 65537u}) {
        const std::u16string text = randomUnits(random, length);
        SCOPED_TRACE(length);
        const QByteArray encoded = Utf8Encode(QStringView(text.data(), qsizetype(text.size())));
        EXPECT_EQ(hex(encoded.toStdString()),
                  hex(expectedEncoding(text, 4 * std::uint32_t(text.size()) + 1)));
    }
}

// The ASCII runs go many units a step; these cases put the step's edges where faults hide.
struct AsciiRunCase {
    const char *name;
    char16_t other;  // the one unit that is not ASCII
};

TEST(Utf8EncodeTest, AsciiRunsOfEveryLengthAlignmentAndBreakPosition) {
    const std::vector<AsciiRunCase> cases = {
        {"just above ASCII", u'\x80'},
        {"Latin-1", u'\xFF'},
        {"low byte ASCII, high byte not", u'\x141'},
        {"highest two-byte unit", u'\x7FF'},
        {"Cyrillic", u'Д'},
        {"euro sign", u'€'},
        {"top bit set, low byte ASCII", u'\x8041'},
        {"lone high surrogate", u'\xD83D'},
        {"lone low surrogate", u'\xDE00'},
        {"highest unit", u'\xFFFF'},
    };
    // Room before the text, so that it starts at every alignment of a 16-byte block.
    std::u16string buffer(16 + 80, u'x');
    for (const AsciiRunCase &c : cases) {
        SCOPED_TRACE(c.name);
        for (size_t offset = 0; offset < 8; ++offset) {
            for (size_t length = 1; length <= 40; ++length) {
                // The other unit at each place of the run, and once not at all; every ASCII
                // value, the zero unit and 0x7F included, takes a turn.
                for (size_t at = 0; at <= length; ++at) {
                    std::u16string text(length, u'a');
                    for (size_t k = 0; k < length; ++k) text[k] = char16_t((k * 37 + at) % 128);
                    if (at < length) text[at] = c.other;
                    std::copy(text.begin(), text.end(), buffer.begin() + std::ptrdiff_t(offset));
                    const QStringView view(buffer.data() + offset, qsizetype(length));
                    SCOPED_TRACE(testing::Message()
                                 << "offset " << offset << ", length " << length << ", at " << at);
                    ASSERT_EQ(hex(Utf8Encode(view).toStdString()),
                              hex(expectedEncoding(text, 4 * std::uint32_t(length) + 1)));
                }
            }
        }
    }
}

// Pairs and wider units right after a long ASCII run, and a run that ends where the roomy part
// of a tight buffer ends.
TEST(UnicodeToUtf8Test, AsciiRunsMeetTheEndOfTheRoomyPart) {
    for (const std::u16string &tail : {std::u16string(u"\U0001F600"), std::u16string(u"€"),
                                       std::u16string(u"Д"), std::u16string(u"\xD83D")}) {
        for (std::uint32_t ascii = 0; ascii <= 40; ++ascii) {
            std::u16string source(ascii, u'k');
            source += tail;
            source += u"tail";
            const std::string whole = expectedEncoding(source, 4 * std::uint32_t(source.size()));
            for (std::uint32_t maxDestBytes = 1; maxDestBytes <= whole.size() + 2; ++maxDestBytes) {
                SCOPED_TRACE(testing::Message() << "ASCII " << ascii << ", maxDestBytes "
                                                << maxDestBytes << ", tail " << tail.size());
                const Encoded encoded = encode(source, maxDestBytes);
                ASSERT_EQ(hex(encoded.bytes), hex(expectedEncoding(source, maxDestBytes)));
                ASSERT_TRUE(encoded.zeroStored);
                ASSERT_TRUE(encoded.restUntouched);
            }
        }
    }
}

// A random well-formed string: code points from every UTF-8 length, no lone surrogates.
QString randomValidText(std::mt19937 &random, int codePoints) {
    std::uniform_int_distribution<int> range(0, 3);
    QString text;
    for (int i = 0; i < codePoints; ++i) {
        char32_t c = 0;
        switch (range(random)) {
            case 0:
                c = std::uniform_int_distribution<std::uint32_t>(0, 0x7F)(random);
                break;
            case 1:
                c = std::uniform_int_distribution<std::uint32_t>(0x80, 0x7FF)(random);
                break;
            case 2:
                do {
                    c = std::uniform_int_distribution<std::uint32_t>(0x800, 0xFFFF)(random);
                } while (c >= 0xD800 && c <= 0xDFFF);
                break;
            default:
                c = std::uniform_int_distribution<std::uint32_t>(0x10000, 0x10FFFF)(random);
                break;
        }
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

TEST(Utf8EncodeTest, AgreesWithQtOnRandomValidText) {
    std::mt19937 random(12345);
    for (int round = 0; round < 2000; ++round) {
        const QString text =
            randomValidText(random, std::uniform_int_distribution<int>(0, 64)(random));
        SCOPED_TRACE(round);
        ASSERT_EQ(Utf8Encode(text), text.toUtf8());
    }
    const QString longText = randomValidText(random, 200000);
    EXPECT_EQ(Utf8Encode(longText), longText.toUtf8());
}

}  // namespace
}  // namespace orvane
