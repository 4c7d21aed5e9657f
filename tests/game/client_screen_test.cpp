#include "game/client_screen.h"

#include "game_printing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

// A screen line as "run|run|...", each run as its colour's letter, R when right-aligned, the
// cut (>79 or >511) when cut, a colon and its text.
std::string describe(const ScreenRun &run) {
    std::string out;
    switch (run.colour) {
        case GameColour::White:
            out += 'w';
            break;
        case GameColour::Yellow:
            out += 'y';
            break;
        case GameColour::Red:
            out += 'r';
            break;
        case GameColour::Grey:
            out += 'd';
            break;
        default:
            out += '?';
    }
    if (run.rightAligned) out += 'R';
    if (run.cut == ScreenCut::RunOver79Bytes) out += ">79";
    if (run.cut == ScreenCut::MenuOver511Bytes) out += ">511";
    return out + ':' + run.text.toStdString();
}

std::vector<std::string> describe(const ScreenText &screen) {
    std::vector<std::string> lines;
    for (const ScreenLine &line : screen.lines) {
        std::string text;
        for (const ScreenRun &run : line.runs) text += (text.empty() ? "" : "|") + describe(run);
        lines.push_back(text);
    }
    return lines;
}

std::string repeated(const std::string &piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kZhe = "\xD0\xB6";  // ж, two bytes in UTF-8

// Seven lines of 70 letters: 497 bytes with their line breaks.
const std::string kSevenLines = repeated(std::string(70, 'a') + "\n", 7);

struct ScreenCase {
    const char *name;
    std::string text;
    std::vector<std::string> lines;
};

void PrintTo(const ScreenCase &c, std::ostream *os) {
    *os << c.name;
}

std::string caseName(const ::testing::TestParamInfo<ScreenCase> &info) {
    return info.param.name;
}

class ClientScreenTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ClientScreenTest, DrawsLinesOfColouredRunsAndKeepsTheCutPartsApart) {
    const ScreenCase &c = GetParam();
    const QByteArray text = QByteArray::fromStdString(c.text);
    const ScreenText screen = ClientScreen(text);
    EXPECT_EQ(describe(screen), c.lines) << readableBytes(text);
    EXPECT_EQ(screen.bytes, text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ClientScreenTest,
    ::testing::Values(
        ScreenCase{"Empty", "", {}}, ScreenCase{"StartsWhite", "Kick", {"w:Kick"}},
        ScreenCase{"MenuPage",
                   "\\yTitle\n\\w\n\\r1.\\w Kick\n\n\\r0. \\wExit\n",
                   {"y:Title", "", "r:1.|w: Kick", "", "r:0. |w:Exit"}},
        ScreenCase{"FourColours", "\\wa\\yb\\rc\\dd", {"w:a|y:b|r:c|d:d"}},
        ScreenCase{"ColourCarriesToTheNextLine", "\\ya\nb", {"y:a", "y:b"}},
        ScreenCase{"FinalTextWithoutLineBreak", "a\nb", {"w:a", "w:b"}},
        ScreenCase{"LoneLineBreak", "\n", {""}},
        ScreenCase{"RightAlignUntilTheLineEnds", "a\\Rb\\yc\nd", {"w:a|wR:b|yR:c", "y:d"}},
        ScreenCase{"CodesAreCaseSensitive", "a\\Yb\\Wc", {"w:a|w:b|w:c"}},
        ScreenCase{"UnknownPairHidden", "a\\qb", {"w:a|w:b"}},
        ScreenCase{"BackslashPairHidden", "a\\\\b", {"w:a|w:b"}},
        ScreenCase{"BackslashHidesTheLineBreak", "a\\\nb", {"w:a|w:b"}},
        ScreenCase{"BackslashAtTheEnd", "a\\", {"w:a"}},
        ScreenCase{"BackslashTakesOneByteOfACharacter",
                   "\\" + kZhe + "a",
                   {"w:\xEF\xBF\xBD"
                    "a"}},
        ScreenCase{"CarriageReturnIsNoLineBreak", "a\rb", {"w:a\rb"}},
        ScreenCase{"NothingAfterAZeroByte", std::string("a\0b\nc", 5), {"w:a"}},
        ScreenCase{"BrokenCharacterShownAsReplacement", "\xD0\n", {"w:\xEF\xBF\xBD"}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    RunCut, ClientScreenTest,
    ::testing::Values(ScreenCase{"Exactly79", std::string(79, 'x'), {"w:" + std::string(79, 'x')}},
                      ScreenCase{"Over79",
                                 std::string(79, 'x') + "yz",
                                 {"w:" + std::string(79, 'x') + "|w>79:yz"}},
                      ScreenCase{"EveryRunCountsAlone",
                                 std::string(70, 'x') + "\\y" + std::string(70, 'x'),
                                 {"w:" + std::string(70, 'x') + "|y:" + std::string(70, 'x')}},
                      ScreenCase{"HiddenPairStartsARun",
                                 std::string(70, 'x') + "\\q" + std::string(70, 'x'),
                                 {"w:" + std::string(70, 'x') + "|w:" + std::string(70, 'x')}},
                      ScreenCase{"LineBreakStartsARun",
                                 std::string(70, 'x') + "\n" + std::string(70, 'x'),
                                 {"w:" + std::string(70, 'x'), "w:" + std::string(70, 'x')}},
                      ScreenCase{"CyrillicFitsWhole",
                                 repeated(kZhe, 39) + "x",
                                 {"w:" + repeated(kZhe, 39) + "x"}},
                      ScreenCase{"CharacterSplitAt79IsCut",
                                 std::string(78, 'x') + kZhe + "y",
                                 {"w:" + std::string(78, 'x') + "|w>79:" + kZhe + "y"}},
                      ScreenCase{"CutRunKeepsItsColour",
                                 "\\r" + std::string(80, 'x') + "\\wok",
                                 {"r:" + std::string(79, 'x') + "|r>79:x|w:ok"}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    MenuCut, ClientScreenTest,
    ::testing::Values(
        ScreenCase{
            "Exactly511",
            kSevenLines + std::string(14, 'b'),
            {"w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(14, 'b')}},
        ScreenCase{
            "Over511",
            kSevenLines + std::string(14, 'b') + "cd\n\\yef",
            {"w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(14, 'b') + "|w>511:cd", "y>511:ef"}},
        ScreenCase{
            "CharacterSplitAt511IsCut",
            kSevenLines + std::string(13, 'b') + kZhe,
            {"w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(13, 'b') + "|w>511:" + kZhe}},
        ScreenCase{
            "RunCutThenMenuCut",
            repeated(std::string(70, 'a') + "\n", 6) + std::string(100, 'c'),
            {"w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'), "w:" + std::string(70, 'a'),
             "w:" + std::string(79, 'c') + "|w>79:" + std::string(6, 'c') +
                 "|w>511:" + std::string(15, 'c')}}),
    caseName);

}  // namespace
}  // namespace orvane
