#include "game/plugin_check.h"

#include "generator/coloured_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

const char *severityName(ProblemSeverity severity) {
    switch (severity) {
        case ProblemSeverity::WillNotCompile:
            return "WillNotCompile";
        case ProblemSeverity::HangsCompiler:
            return "HangsCompiler";
        case ProblemSeverity::CompilesOn19Only:
            return "CompilesOn19Only";
        case ProblemSeverity::GameCutsText:
            return "GameCutsText";
        case ProblemSeverity::ActsAsCode:
            return "ActsAsCode";
        case ProblemSeverity::MenuNameEmpty:
            break;
    }
    return "MenuNameEmpty";
}

// Each problem as "Severity | message".
std::vector<std::string> describe(const QList<PluginProblem> &problems) {
    std::vector<std::string> out;
    for (const PluginProblem &problem : problems)
        out.push_back(std::string(severityName(problem.severity)) + " | " +
                      problem.message.toStdString());
    return out;
}

// What the compilers make of the plugin: the most serious compile verdict among the problems.
std::string compileVerdict(const QList<PluginProblem> &problems) {
    std::string verdict = "compiles";
    for (const PluginProblem &problem : problems) {
        if (problem.severity == ProblemSeverity::WillNotCompile ||
            problem.severity == ProblemSeverity::HangsCompiler)
            return severityName(problem.severity);
        if (problem.severity == ProblemSeverity::CompilesOn19Only) verdict = "CompilesOn19Only";
    }
    return verdict;
}

QString text(qsizetype bytes, char16_t c = u'x') {
    return QString(bytes, QChar(c));
}

QStringList numberedItems(int count, const QString &stem) {
    QStringList items;
    for (int i = 1; i <= count; ++i) items << stem.arg(i);
    return items;
}

NewStyleMenu newMenu(QStringList items, QString title = "My Menu", QString command = "mymenu") {
    return {std::move(title), std::move(command), "ADMIN_ALL", std::move(items)};
}

ColouredText colouredLines(const std::vector<std::pair<QString, Rgb>> &lines) {
    ColouredText text;
    for (const auto &[line, colour] : lines)
        text.push_back({line, std::vector<Rgb>(size_t(line.size()), colour)});
    return text;
}

OldStyleMenu oldMenu(QString menuString, QString keys = "120", QString name = "My Menu") {
    return {std::move(keys), std::move(name), "mymenu", "ADMIN_ALL", std::move(menuString)};
}

// A menu string of `bytes` bytes in the source, in short white lines well inside the screen.
QString menuStringOfBytes(qsizetype bytes) {
    QString menu;
    while (bytes - menu.size() > 50) menu += "\\w" + text(40, u'a') + "^n";
    return menu + "\\w" + text(bytes - menu.size() - 4, u'b') + "^n";
}

const QString kReadmeOldStyle = "\\w1. Kick^n\\y2. Ban^n\\r0. Exit^n";

// ---------------------------------------------------------------------------------------------
// Ordinary menus: nothing at all.

struct NewOrdinaryCase {
    const char *name;
    NewStyleMenu menu;
};
void PrintTo(const NewOrdinaryCase &c, std::ostream *os) {
    *os << c.name;
}

class NewStyleOrdinaryTest : public ::testing::TestWithParam<NewOrdinaryCase> {};

TEST_P(NewStyleOrdinaryTest, HasNoProblems) {
    EXPECT_EQ(describe(CheckPlugin(GetParam().menu)), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Menus, NewStyleOrdinaryTest,
    ::testing::Values(
        NewOrdinaryCase{"Readme", newMenu({"Kick", "Ban", "Exit"})},
        NewOrdinaryCase{"Russian", newMenu({"Кикнуть игрока", "Забанить игрока", "Сменить карту",
                                            "Перезапустить раунд", "Голосование за карту"},
                                           "Меню администратора", "amx_adminmenu")},
        NewOrdinaryCase{"TwoRussianPages",
                        newMenu(numberedItems(12, "Оружие номер %1"), "Магазин оружия")},
        NewOrdinaryCase{"HundredItems", newMenu(numberedItems(100, "Menu item %1"))},
        NewOrdinaryCase{"Punctuation", newMenu({"50% off!", "It's [VIP]", "a/b: c; d", "#1 (x)"})},
        NewOrdinaryCase{"ItemOf78Bytes", newMenu({text(78)})},
        NewOrdinaryCase{"TitleOf79Bytes", newMenu({"A"}, text(79))},
        NewOrdinaryCase{"PagedTitleOf75Bytes", newMenu(numberedItems(8, "%1"), text(75))}),
    [](const auto &info) { return std::string(info.param.name); });

struct OldOrdinaryCase {
    const char *name;
    ColouredText text;
    const char *keys;
};
void PrintTo(const OldOrdinaryCase &c, std::ostream *os) {
    *os << c.name;
}

class OldStyleOrdinaryTest : public ::testing::TestWithParam<OldOrdinaryCase> {};

TEST_P(OldStyleOrdinaryTest, HasNoProblemsWithOrWithoutTheColouredLines) {
    const OldStyleMenu menu = oldMenu(MenuTextEncoding(GetParam().text), GetParam().keys);
    EXPECT_EQ(describe(CheckPlugin(menu)), std::vector<std::string>{});
    EXPECT_EQ(describe(CheckPlugin(menu, GetParam().text)), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Menus, OldStyleOrdinaryTest,
    ::testing::Values(OldOrdinaryCase{"Readme",
                                      colouredLines({{"1. Kick", MenuColour::White},
                                                     {"2. Ban", MenuColour::Yellow},
                                                     {"0. Exit", MenuColour::Red}}),
                                      "120"},
                      OldOrdinaryCase{"Russian",
                                      colouredLines({{"Меню сервера", MenuColour::Yellow},
                                                     {"", MenuColour::White},
                                                     {"1. Кикнуть игрока", MenuColour::White},
                                                     {"2. Забанить игрока", MenuColour::White},
                                                     {"3. Сменить карту", MenuColour::Grey},
                                                     {"", MenuColour::White},
                                                     {"0. Выход", MenuColour::Red}}),
                                      "1230"},
                      OldOrdinaryCase{"Empty", {}, "1"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// New style: each problem kind, named by its field.

struct NewProblemCase {
    const char *name;
    NewStyleMenu menu;
    std::vector<std::string> problems;
};
void PrintTo(const NewProblemCase &c, std::ostream *os) {
    *os << c.name;
}

class NewStyleProblemTest : public ::testing::TestWithParam<NewProblemCase> {};

TEST_P(NewStyleProblemTest, NamesTheFieldAndWhatHappens) {
    EXPECT_EQ(describe(CheckPlugin(GetParam().menu)), GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(
    Literals, NewStyleProblemTest,
    ::testing::Values(
        NewProblemCase{"QuoteInItem",
                       newMenu({"Kick", "Say \"hi\""}),
                       {"WillNotCompile | Item 2: a \" ends the string, so the plugin will not "
                        "compile"}},
        NewProblemCase{"QuoteInTitle",
                       newMenu({"Kick"}, "The \"best\""),
                       {"WillNotCompile | Title: a \" ends the string, so the plugin will not "
                        "compile"}},
        NewProblemCase{"QuoteInCommand",
                       newMenu({"Kick"}, "T", "my\"menu"),
                       {"WillNotCompile | Command: a \" ends the string, so the plugin will not "
                        "compile"}},
        NewProblemCase{"UnknownEscape",
                       newMenu({"Kick", "Ban", "^q"}),
                       {"WillNotCompile | Item 3: ^q is not an escape, so the plugin will not "
                        "compile"}},
        NewProblemCase{"CaretClosingTheTitle",
                       newMenu({"Kick"}, "Menu^"),
                       {"WillNotCompile | Title: the ^ at the end escapes the closing quote, so "
                        "the plugin will not compile"}},
        NewProblemCase{"CaretInCommand",
                       newMenu({"Kick"}, "T", "my^menu"),
                       {"WillNotCompile | Command: ^m is not an escape, so the plugin will not "
                        "compile"}},
        NewProblemCase{"LineBreakInItem",
                       newMenu({"a\nb"}),
                       {"WillNotCompile | Item 1: a line break stands inside the string, so the "
                        "plugin will not compile"}},
        NewProblemCase{"CarriageReturnInItem",
                       newMenu({"a\rb"}),
                       {"WillNotCompile | Item 1: a carriage return stands inside the string, so "
                        "the plugin will not compile"}},
        NewProblemCase{"NulInItem",
                       newMenu({QString("a") + QChar(0) + "b"}),
                       {"WillNotCompile | Item 1: a NUL character stands inside the string, so "
                        "the plugin will not compile"}}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Codes, NewStyleProblemTest,
    ::testing::Values(
        NewProblemCase{"ColourCodeInTitle",
                       newMenu({"Kick"}, "\\rRed title"),
                       {"ActsAsCode | Title: the game reads \\r as the colour code for red"}},
        NewProblemCase{"RightAlignInItem",
                       newMenu({"Kick\\R$5"}),
                       {"ActsAsCode | Item 1: the game reads \\R as a code that right-aligns the "
                        "rest of the line"}},
        NewProblemCase{"HiddenPair",
                       newMenu({"Kick", "C:\\maps"}),
                       {"ActsAsCode | Item 2: the game hides \\m, a backslash and the character "
                        "after it"}},
        NewProblemCase{"BackslashBeforeTheLineBreak",
                       newMenu({"Kick\\"}),
                       {"ActsAsCode | Item 1: the \\ at the end hides the line break after it"}},
        NewProblemCase{"LineFeedEscape",
                       newMenu({"Two^nlines"}),
                       {"ActsAsCode | Item 1: the compiler reads ^n as a line break"}},
        NewProblemCase{"CaretEscape",
                       newMenu({"Kick"}, "A^^B"),
                       {"ActsAsCode | Title: the compiler reads ^^ as a single ^"}},
        NewProblemCase{"CodeEscape",
                       newMenu({"^x41;"}),
                       {"ActsAsCode | Item 1: the compiler reads ^x41; as the character of code "
                        "65"}},
        NewProblemCase{"ZeroEscape",
                       newMenu({"cut^0here"}),
                       {"ActsAsCode | Item 1: the compiler reads ^0 as the end of the text"}},
        NewProblemCase{"OnlyTheFirstCodeOfAField",
                       newMenu({"\\y^n\\w", "\\d"}),
                       {"ActsAsCode | Item 1: the game reads \\y as the colour code for yellow",
                        "ActsAsCode | Item 2: the game reads \\d as the colour code for grey"}}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Cuts, NewStyleProblemTest,
    ::testing::Values(
        // The item's run starts with the space after "\w": 78 bytes of item fit in 79.
        NewProblemCase{"ItemRunOver79Bytes",
                       newMenu({"Kick", text(78) + "yz"}),
                       {"GameCutsText | Item 2: the game draws 79 bytes of a run of text and cuts "
                        "\"yz\""}},
        NewProblemCase{"CyrillicRunOver79Bytes",
                       newMenu({text(40, u'ж')}),
                       {"GameCutsText | Item 1: the game draws 79 bytes of a run of text and cuts "
                        "\"ж\""}},
        NewProblemCase{"TitleRunWithPageNumber",
                       newMenu(numberedItems(8, "%1"), text(76)),
                       {"GameCutsText | Title: the game draws 79 bytes of a run of text and cuts "
                        "\"2\""}},
        NewProblemCase{"ItemLineOver254Bytes",
                       newMenu({text(247)}),
                       {"GameCutsText | Item 1: AMX Mod X keeps 254 bytes of its menu line and "
                        "drops the rest, the line break with it"}},
        NewProblemCase{"PageOver511Bytes",
                       newMenu(numberedItems(7, text(62) + "%1")),
                       {"GameCutsText | Page 1: 529 bytes; the game shows 511 and hides the rest, "
                        "from Exit on"}},
        NewProblemCase{
            "OnlyTheLastLineBreakOver511Bytes",
            newMenu({text(61), text(61), text(61), text(61), text(61), text(61), text(64)}, "T"),
            {"GameCutsText | Page 1: 512 bytes; the game shows 511 and hides the rest, "
             "line breaks and codes only"}},
        NewProblemCase{"SecondPageOver511Bytes",
                       newMenu(numberedItems(7, "%1") + numberedItems(7, text(64) + "%1")),
                       {"GameCutsText | Page 2: 583 bytes; the game shows 511 and hides the rest, "
                        "from item 14 on"}}),
    [](const auto &info) { return std::string(info.param.name); });

// Source lines: 40 bytes of an item's line are not the item ("       menu_additem(...").
struct VerdictCase {
    const char *name;
    NewStyleMenu menu;
    const char *verdict;
};
void PrintTo(const VerdictCase &c, std::ostream *os) {
    *os << c.name;
}

class NewStyleVerdictTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(NewStyleVerdictTest, SaysWhichCompilersTakeThePlugin) {
    EXPECT_EQ(compileVerdict(CheckPlugin(GetParam().menu)), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    LineLengths, NewStyleVerdictTest,
    ::testing::Values(
        VerdictCase{"ItemLineOf508Bytes", newMenu({text(468)}), "compiles"},
        VerdictCase{"ItemLineOf509Bytes", newMenu({text(469)}), "CompilesOn19Only"},
        VerdictCase{"ItemLineOf4093Bytes", newMenu({text(4053)}), "CompilesOn19Only"},
        VerdictCase{"ItemLineOf4094Bytes", newMenu({text(4054)}), "WillNotCompile"},
        VerdictCase{"CyrillicCountsTwoBytes", newMenu({text(2027, u'ж')}), "WillNotCompile"},
        VerdictCase{"LongTitle", newMenu({"A"}, text(5000)), "WillNotCompile"},
        VerdictCase{"LongCommand", newMenu({"A"}, "T", text(5000)), "WillNotCompile"},
        VerdictCase{"ThousandsOfItems", newMenu(numberedItems(3000, "Item %1")), "compiles"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NewStyleLineLength, NamesTheTitleAndTheCommandByTheirLines) {
    const std::vector<std::string> title = describe(CheckPlugin(newMenu({"A"}, text(600))));
    ASSERT_FALSE(title.empty());
    EXPECT_EQ(title[0],
              "CompilesOn19Only | Title: its source line is 652 bytes, over the 508 that AMX Mod "
              "X 1.8.2 reads (1.9 and later read 4093)");
    const std::vector<std::string> command = describe(CheckPlugin(newMenu({"A"}, "T", text(4100))));
    EXPECT_EQ(command, std::vector<std::string>{
                           "WillNotCompile | Command: its source line is 4148 bytes, over the "
                           "4093 the compiler reads, so the plugin will not compile"});
}

TEST(NewStyleLineLength, NamesTheItemAndTheBytes) {
    const std::vector<std::string> problems = describe(CheckPlugin(newMenu({"Kick", text(469)})));
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0],
              "CompilesOn19Only | Item 2: its source line is 509 bytes, over the 508 that AMX Mod "
              "X 1.8.2 reads (1.9 and later read 4093)");
    const std::vector<std::string> tooLong = describe(CheckPlugin(newMenu({"Kick", text(4054)})));
    ASSERT_FALSE(tooLong.empty());
    EXPECT_EQ(tooLong[0],
              "WillNotCompile | Item 2: its source line is 4094 bytes, over the 4093 the compiler "
              "reads, so the plugin will not compile");
}

// ---------------------------------------------------------------------------------------------
// Old style.

struct OldProblemCase {
    const char *name;
    OldStyleMenu menu;
    std::vector<std::string> problems;
};
void PrintTo(const OldProblemCase &c, std::ostream *os) {
    *os << c.name;
}

class OldStyleProblemTest : public ::testing::TestWithParam<OldProblemCase> {};

TEST_P(OldStyleProblemTest, NamesTheFieldAndWhatHappens) {
    EXPECT_EQ(describe(CheckPlugin(GetParam().menu)), GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OldStyleProblemTest,
    ::testing::Values(
        OldProblemCase{"EmptyMenuName",
                       oldMenu(kReadmeOldStyle, "120", ""),
                       {"MenuNameEmpty | Menu name: empty, it matches every menu title of the "
                        "plugin"}},
        OldProblemCase{"QuoteInMenuName",
                       oldMenu(kReadmeOldStyle, "120", "My \"Menu\""),
                       {"WillNotCompile | Menu name: a \" ends the string, so the plugin will not "
                        "compile"}},
        OldProblemCase{"QuoteInSecondLine",
                       oldMenu("\\w1. Kick^n\\y2. \"Ban\"^n"),
                       {"WillNotCompile | Line 2: a \" ends the string, so the plugin will not "
                        "compile"}},
        OldProblemCase{"UnknownEscapeInThirdLine",
                       oldMenu("\\wa^n^nb^c^n"),
                       {"WillNotCompile | Line 3: ^c is not an escape, so the plugin will not "
                        "compile"}},
        OldProblemCase{"NoHandledKeys",
                       oldMenu(kReadmeOldStyle, ""),
                       {"WillNotCompile | Handled keys: none, the key mask is left open, so the "
                        "plugin will not compile"}},
        OldProblemCase{"HiddenPair",
                       oldMenu("\\w1. C:\\maps^n"),
                       {"ActsAsCode | Line 1: the game hides \\m, a backslash and the character "
                        "after it"}},
        OldProblemCase{"TabEscape",
                       oldMenu("\\w1.^tKick^n"),
                       {"ActsAsCode | Line 1: the compiler reads ^t as a tab"}},
        OldProblemCase{"RunOver79Bytes",
                       oldMenu("\\w1. Kick^n\\y" + text(80) + "^n"),
                       {"GameCutsText | Line 2: the game draws 79 bytes of a run of text and cuts "
                        "\"x\""}}),
    [](const auto &info) { return std::string(info.param.name); });

// Nine Russian lines of 30 letters: 578 bytes, where the game keeps 511.
TEST(OldStyleScreen, NineRussianLinesOfThirtyLettersAreCut) {
    ColouredText lines;
    for (int i = 1; i <= 9; ++i) {
        const QString line = QString::number(i) + ". " + text(30, u'Ж');
        lines.push_back({line, std::vector<Rgb>(size_t(line.size()), MenuColour::White)});
    }
    const OldStyleMenu menu = oldMenu(MenuTextEncoding(lines), "123456789", "Меню");
    EXPECT_EQ(describe(CheckPlugin(menu, lines)),
              (std::vector<std::string>{
                  "CompilesOn19Only | Menu text: its source line is 634 bytes, over the 508 that "
                  "AMX Mod X 1.8.2 reads (1.9 and later read 4093)",
                  "GameCutsText | Menu text: 578 bytes; the game shows 511 and hides the rest, "
                  "from line 8 on"}));
}

struct OldVerdictCase {
    const char *name;
    OldStyleMenu menu;
    std::vector<std::string> problems;
};
void PrintTo(const OldVerdictCase &c, std::ostream *os) {
    *os << c.name;
}

class OldStyleCompilerTest : public ::testing::TestWithParam<OldVerdictCase> {};

// Only the compile verdicts: the long texts these need are cut on the screen as well.
TEST_P(OldStyleCompilerTest, HangsAndLineLimitsAsMeasured) {
    std::vector<std::string> compile;
    for (const std::string &problem : describe(CheckPlugin(GetParam().menu)))
        if (problem.rfind("GameCutsText", 0) != 0) compile.push_back(problem);
    EXPECT_EQ(compile, GetParam().problems);
}

// show_menu's line is 39 bytes + menu string + menu name; KEYS adds 9 bytes a key less 4.
INSTANTIATE_TEST_SUITE_P(
    Limits, OldStyleCompilerTest,
    ::testing::Values(
        OldVerdictCase{"Sum475", oldMenu(menuStringOfBytes(459), "1"), {}},
        OldVerdictCase{"Sum476",
                       oldMenu(menuStringOfBytes(460), "1"),
                       {"CompilesOn19Only | Menu text: menu text, menu name and 1 handled keys "
                        "come to 476 bytes with the key mask, over 475: AMX Mod X 1.8.2's compiler "
                        "loops forever on it (1.9 and later do not)"}},
        OldVerdictCase{"Sum4059",
                       oldMenu(menuStringOfBytes(4043), "1"),
                       {"CompilesOn19Only | Menu text: its source line is 4089 bytes, over the 508 "
                        "that AMX Mod X 1.8.2 reads (1.9 and later read 4093)"}},
        OldVerdictCase{"Sum4060",
                       oldMenu(menuStringOfBytes(4044), "1"),
                       {"HangsCompiler | Menu text: menu text, menu name and 1 handled keys come "
                        "to 4060 bytes with the key mask, over 4059: the compiler loops forever, "
                        "so the plugin will not compile"}},
        OldVerdictCase{"SumWithTenKeys",
                       oldMenu(menuStringOfBytes(3963), "1234567890", "My Menu"),
                       {"HangsCompiler | Menu text: menu text, menu name and 10 handled keys come "
                        "to 4060 bytes with the key mask, over 4059: the compiler loops forever, "
                        "so the plugin will not compile"}},
        OldVerdictCase{"ShowMenuLineOver4093",
                       oldMenu(menuStringOfBytes(4048), "1"),
                       {"WillNotCompile | Menu text: its source line is 4094 bytes, over the 4093 "
                        "the compiler reads, so the plugin will not compile"}},
        OldVerdictCase{"Keys447",
                       oldMenu("\\w1. A^n", QString(447, u'1')),
                       {"CompilesOn19Only | Handled keys: its source line is 4035 bytes, over "
                        "the 508 that AMX Mod X 1.8.2 reads (1.9 and later read 4093)",
                        "CompilesOn19Only | Menu text: menu text, menu name and 447 handled keys "
                        "come to 4038 bytes with the key mask, over 475: AMX Mod X 1.8.2's "
                        "compiler loops forever on it (1.9 and later do not)"}},
        OldVerdictCase{"Keys448",
                       oldMenu("\\w1. A^n", QString(448, u'1')),
                       {"HangsCompiler | Handled keys: 448 keys, over 447: the compiler loops "
                        "forever on the key mask, so the plugin will not compile"}}),
    [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Old style with the coloured lines: the user's own codes, and lines counted as the editor does.

struct ColouredCase {
    const char *name;
    ColouredText text;
    std::vector<std::string> withLines;     // CheckPlugin(menu, text)
    std::vector<std::string> withoutLines;  // CheckPlugin(menu)
};
void PrintTo(const ColouredCase &c, std::ostream *os) {
    *os << c.name;
}

class OldStyleTypedTest : public ::testing::TestWithParam<ColouredCase> {};

TEST_P(OldStyleTypedTest, TellsTypedCodesFromTheEncoders) {
    const ColouredCase &c = GetParam();
    const OldStyleMenu menu = oldMenu(MenuTextEncoding(c.text), "12");
    EXPECT_EQ(describe(CheckPlugin(menu, c.text)), c.withLines);
    EXPECT_EQ(describe(CheckPlugin(menu)), c.withoutLines);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OldStyleTypedTest,
    ::testing::Values(
        ColouredCase{
            "TypedColourCode",
            colouredLines({{"1. Kick", MenuColour::White}, {"2. \\yBan", MenuColour::White}}),
            {"ActsAsCode | Line 2: the game reads \\y as the colour code for yellow"},
            {}},
        ColouredCase{"TypedLineCode",
                     colouredLines({{"1. Kick^n2. Ban", MenuColour::White}}),
                     {"ActsAsCode | Line 1: the compiler reads ^n as a line break"},
                     {}},
        ColouredCase{
            "CaretAtTheLineEnd",
            colouredLines({{"1. Kick^", MenuColour::White}, {"2. Ban", MenuColour::White}}),
            {"ActsAsCode | Line 1: the ^ at the end makes the compiler read the line "
             "break after it as the text ^n"},
            {"ActsAsCode | Line 1: the compiler reads ^^ as a single ^"}},
        ColouredCase{
            "BackslashAtTheLineEnd",
            colouredLines({{"1. Kick\\", MenuColour::White}, {"2. Ban", MenuColour::White}}),
            {"ActsAsCode | Line 1: the \\ at the end hides the line break after it"},
            {"ActsAsCode | Line 1: the \\ at the end hides the line break after it"}},
        ColouredCase{"QuoteAfterATypedLineCode",
                     colouredLines({{"a^nb", MenuColour::White}, {"\"c\"", MenuColour::Red}}),
                     {"WillNotCompile | Line 2: a \" ends the string, so the plugin will not "
                      "compile",
                      "ActsAsCode | Line 1: the compiler reads ^n as a line break"},
                     {"WillNotCompile | Line 3: a \" ends the string, so the plugin will not "
                      "compile"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OldStyleTyped, ColouredLinesOfAnotherTextAreNotUsed) {
    const ColouredText other = colouredLines({{"\\y", MenuColour::White}});
    EXPECT_EQ(describe(CheckPlugin(oldMenu(kReadmeOldStyle), other)), std::vector<std::string>{});
}

TEST(Severity, BreaksPluginForTheFirstFourKinds) {
    EXPECT_TRUE(BreaksPlugin(ProblemSeverity::WillNotCompile));
    EXPECT_TRUE(BreaksPlugin(ProblemSeverity::HangsCompiler));
    EXPECT_TRUE(BreaksPlugin(ProblemSeverity::CompilesOn19Only));
    EXPECT_TRUE(BreaksPlugin(ProblemSeverity::GameCutsText));
    EXPECT_FALSE(BreaksPlugin(ProblemSeverity::ActsAsCode));
    EXPECT_FALSE(BreaksPlugin(ProblemSeverity::MenuNameEmpty));
}

}  // namespace
}  // namespace orvane
