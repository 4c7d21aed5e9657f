#include "generator/coloured_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using Run = std::pair<const char16_t *, Rgb>;

// A line written in runs of one colour each.
ColouredLine line(std::initializer_list<Run> runs) {
    ColouredLine result;
    for (const auto &[text, colour] : runs) {
        const QString part = QString::fromUtf16(text);
        result.text += part;
        result.colours.insert(result.colours.end(), size_t(part.size()), colour);
    }
    return result;
}

ColouredLine line(const char16_t *text, Rgb colour) {
    return line({{text, colour}});
}

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kGreen = 0x00FF00;
constexpr Rgb kAlmostWhite = 0xFFFFFE;
using namespace MenuColour;

struct EncodingCase {
    const char *name;
    ColouredText text;
    const char *expected;  // UTF-8
};

TEST(MenuTextEncodingTest, AddsColourCodesWhereTheColourChangesAndALineCodeAfterEveryLine) {
    const std::vector<EncodingCase> cases = {
        {"empty editor", {}, ""},
        {"one white line", {line(u"1. Start", White)}, "\\w1. Start^n"},
        {"each menu colour has its code",
         {line(u"r", Red), line(u"y", Yellow), line(u"d", Grey), line(u"w", White)},
         "\\rr^n\\yy^n\\dd^n\\ww^n"},
        {"yellow then white in one line",
         {line({{u"Title ", Yellow}, {u"text", White}})},
         "\\yTitle \\wtext^n"},
        {"the colour carries across lines", {line(u"a", White), line(u"b", White)}, "\\wa^nb^n"},
        {"a colour change at a line start", {line(u"a", White), line(u"b", Red)}, "\\wa^n\\rb^n"},
        {"an empty line between two lines",
         {line(u"a", Yellow), line(u"", White), line(u"b", Yellow)},
         "\\ya^n^nb^n"},
        {"an empty line alone", {line(u"", White)}, "^n"},
        {"black at the start gets no code", {line(u"x", kBlack)}, "x^n"},
        {"a colour outside the table gets no code, the white after it gets one again",
         {line({{u"a", White}, {u"b", kBlack}, {u"c", White}})},
         "\\wab\\wc^n"},
        {"a near-white is not white",
         {line({{u"a", White}, {u"b", kAlmostWhite}, {u"c", White}})},
         "\\wab\\wc^n"},
        {"unknown colours get no code and still count as a change",
         {line({{u"a", kGreen}, {u"b", White}, {u"c", kGreen}, {u"d", kGreen}})},
         "a\\wbcd^n"},
        {"codes follow each change inside a line",
         {line({{u"1", Red}, {u"2", White}, {u"3", Red}, {u"4", Grey}})},
         "\\r1\\w2\\r3\\d4^n"},
        {"quotes, carets, percent signs and backslashes are copied unchanged",
         {line(u"\"%s\" ^n \\w 100%", White)},
         "\\w\"%s\" ^n \\w 100%^n"},
        {"non-ASCII text", {line(u"Выход", Red)}, "\\rВыход^n"},
    };
    for (const EncodingCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MenuTextEncoding(c.text).toStdString(), c.expected);
    }
}

struct HarvestCase {
    const char *name;
    std::vector<const char16_t *> lines;
    const char *expected;
};

TEST(HandledKeysHarvestTest, TakesTheFirstDigitOfEveryLineThatStartsWithOne) {
    const std::vector<HarvestCase> cases = {
        {"no lines", {}, ""},
        {"menu lines with leading spaces", {u"  1. A", u" 2. B", u"   0. Exit"}, "120"},
        {"a line starting with a letter harvests nothing",
         {u"Title", u"1. A", u"Exit 2", u"3. C"},
         "13"},
        {"only the first digit of a line", {u"12. Twelve"}, "1"},
        {"empty and blank lines", {u"", u"   ", u"\t", u"5. Five"}, "5"},
        {"tabs and control characters are trimmed", {u"\t\x01\x1f 7. Seven"}, "7"},
        {"the same digit twice", {u"1. A", u"1. B"}, "11"},
        {"a no-break space is not trimmed", {u"\u00a01. A"}, ""},
        {"digits of other scripts are not keys", {u"\u0663. A", u"\uff15. B", u"\u00b2. C"}, ""},
        {"punctuation before the digit", {u"-1. A", u"(2) B"}, ""},
        {"all ten keys",
         {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0"},
         "1234567890"},
    };
    for (const HarvestCase &c : cases) {
        SCOPED_TRACE(c.name);
        ColouredText text;
        for (const char16_t *l : c.lines) text.push_back(line(l, White));
        EXPECT_EQ(HandledKeysHarvest(text).toStdString(), c.expected);
    }
}

TEST(HandledKeysHarvestTest, IgnoresColours) {
    const ColouredText text = {line({{u" ", Red}, {u"4", kGreen}, {u". x", Grey}}),
                               line(u"9", kBlack)};
    EXPECT_EQ(HandledKeysHarvest(text).toStdString(), "49");
}

struct TrimCase {
    const char16_t *text;
    const char16_t *expected;
};

TEST(TrimmedTest, RemovesCharactersUpToCode32AtBothEnds) {
    const std::vector<TrimCase> cases = {
        {u"", u""},
        {u"   ", u""},
        {u"\t\r\n\x01\x1f ", u""},
        {u"abc", u"abc"},
        {u"  a b  ", u"a b"},
        {u"\x20\x21\x20", u"!"},
        {u"\ta\tb\t", u"a\tb"},
        {u"\u00a0a\u00a0", u"\u00a0a\u00a0"},
        {u"\u3000a", u"\u3000a"},
        {u"\x7f"
         u"a",
         u"\x7f"
         u"a"},
    };
    for (const TrimCase &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(Trimmed(text).toString().toStdString(),
                  QString::fromUtf16(c.expected).toStdString());
    }
}

}  // namespace
}  // namespace orvane
