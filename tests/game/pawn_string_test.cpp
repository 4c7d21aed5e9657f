#include "game/pawn_string.h"

#include "game_printing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace orvane {
namespace {

struct LiteralCase {
    const char *name;
    std::u16string_view text;
    QByteArray bytes;
    qsizetype problemAt = -1;  // -1: the literal compiles
    const char *problem = "";
};

void PrintTo(const LiteralCase &c, std::ostream *os) {
    *os << c.name;
}

std::string caseName(const ::testing::TestParamInfo<LiteralCase> &info) {
    return info.param.name;
}

class PawnStringTest : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(PawnStringTest, StoresTheBytesTheCompilerStoresAndNamesTheFirstProblem) {
    const LiteralCase &c = GetParam();
    const PawnString result = PawnStringBytes(c.text);
    EXPECT_EQ(result.bytes, c.bytes);
    if (c.problemAt < 0) {
        EXPECT_FALSE(result.problem.has_value()) << result.problem->what.toStdString();
    } else {
        ASSERT_TRUE(result.problem.has_value());
        EXPECT_EQ(result.problem->position, c.problemAt);
        EXPECT_EQ(result.problem->what, QString::fromUtf8(c.problem));
    }
}

QByteArray bytes(const char *text) {
    return QByteArray(text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, PawnStringTest,
    ::testing::Values(
        LiteralCase{"Empty", u"", bytes("")}, LiteralCase{"Ascii", u"My Menu", bytes("My Menu")},
        LiteralCase{"CyrillicAsUtf8", u"Кик", bytes("\xD0\x9A\xD0\xB8\xD0\xBA")},
        LiteralCase{"SurrogatePairAsFourBytes", u"a\U0001F600", bytes("a\xF0\x9F\x98\x80")},
        LiteralCase{"LoneSurrogateAsReplacement", u"a\xD800", bytes("a\xEF\xBF\xBD")},
        LiteralCase{"GameCodesAreTextToTheCompiler", u"\\y1.\\w Kick", bytes("\\y1.\\w Kick")},
        LiteralCase{"PercentAndApostropheAsThemselves", u"100% it's", bytes("100% it's")},
        LiteralCase{"TabIsText", u"a\tb", bytes("a\tb")}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Escapes, PawnStringTest,
    ::testing::Values(LiteralCase{"Caret", u"a^^b", bytes("a^b")},
                      LiteralCase{"Quote", u"say ^\"hi^\"", bytes("say \"hi\"")},
                      LiteralCase{"Apostrophe", u"^'", bytes("'")},
                      LiteralCase{"Percent", u"^%", bytes("%")},
                      LiteralCase{"LineFeed", u"a^nb", bytes("a\nb")},
                      LiteralCase{"ControlLetters", u"^r^t^v^a^b^e^f", bytes("\r\t\v\a\b\x1B\f")},
                      LiteralCase{"CaretCaretThenLetter", u"^^n", bytes("^n")},
                      LiteralCase{"Hex", u"^x41", bytes("A")},
                      LiteralCase{"HexBothCases", u"^x4a^x4A", bytes("JJ")},
                      LiteralCase{"HexTakesEveryHexDigit", u"^x41BC", bytes("\xBC")},
                      LiteralCase{"HexSemicolonSwallowed", u"^x41;BC", bytes("ABC")},
                      LiteralCase{"HexOnlyOneSemicolon", u"^x41;;", bytes("A;")},
                      LiteralCase{"HexBytesMakeUtf8", u"^xD0;^xB0;", bytes("\xD0\xB0")},
                      LiteralCase{"HexAboveByteKeepsLowByte", u"^x1041", bytes("A")},
                      LiteralCase{"Decimal", u"^65", bytes("A")},
                      LiteralCase{"DecimalSemicolonSwallowed", u"^65;5", bytes("A5")},
                      LiteralCase{"DecimalTakesEveryDigit", u"^0655", bytes("\x8F")},
                      LiteralCase{"DecimalAboveByteKeepsLowByte", u"^300", bytes(",")},
                      LiteralCase{"DecimalWrapsLikeACell", u"^4294967361", bytes("A")},
                      LiteralCase{"ZeroEndsTheText", u"ab^0cd", bytes("ab")},
                      LiteralCase{"HexWithoutDigitsIsZero", u"ab^xg", bytes("ab")},
                      LiteralCase{"HexWithoutDigitsSwallowsSemicolon", u"ab^x;cd", bytes("ab")},
                      LiteralCase{"LowByteZeroEndsTheText", u"ab^256cd", bytes("ab")},
                      LiteralCase{"EscapedCharacterAfterAnotherEscape", u"^n^n", bytes("\n\n")}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Problems, PawnStringTest,
    ::testing::Values(
        LiteralCase{"QuoteEndsTheString", u"Say \"hi\"", bytes("Say "), 4, "a \" ends the string"},
        LiteralCase{"UnknownEscape", u"a^qb", bytes("a"), 1, "^q is not an escape"},
        LiteralCase{"EscapeLetterIsCaseSensitive", u"^N", bytes(""), 0, "^N is not an escape"},
        LiteralCase{"CaretBeforeCyrillic", u"ab^ж", bytes("ab"), 2, "^ж is not an escape"},
        LiteralCase{"CaretBeforeSpace", u"^ ", bytes(""), 0, "^  is not an escape"},
        LiteralCase{"CaretBeforeSurrogatePair", u"^\U0001F600", bytes(""), 0,
                    "^\U0001F600 is not an escape"},
        LiteralCase{"CaretAtTheEnd", u"abc^", bytes("abc"), 3,
                    "the ^ at the end escapes the closing quote"},
        LiteralCase{"OddCaretsAtTheEnd", u"abc^^^", bytes("abc^"), 5,
                    "the ^ at the end escapes the closing quote"},
        LiteralCase{"LineFeed", u"a\nb", bytes("a"), 1, "a line break stands inside the string"},
        LiteralCase{"CrLf", u"a\r\nb", bytes("a"), 1, "a line break stands inside the string"},
        LiteralCase{"LoneCarriageReturn", u"a\rb", bytes("a"), 1,
                    "a carriage return stands inside the string"},
        LiteralCase{"Nul", std::u16string_view(u"a\0b", 3), bytes("a"), 1,
                    "a NUL character stands inside the string"},
        LiteralCase{"CaretBeforeLineBreakNamesTheBreak", u"a^\nb", bytes("a"), 2,
                    "a line break stands inside the string"},
        LiteralCase{"QuoteAfterZeroCodeStillBreaks", u"a^0b\"", bytes("a"), 4,
                    "a \" ends the string"},
        LiteralCase{"FirstProblemWins", u"a^q\"", bytes("a"), 1, "^q is not an escape"}),
    caseName);

}  // namespace
}  // namespace orvane
