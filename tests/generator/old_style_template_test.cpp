#include "generator/old_style_template.h"

#include "generated_lines.h"
#include "generator/access_flags.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

using testing::generatedLines;

OldStyleMenu menuWithKeys(const QString &keys) {
    return {keys, "My Menu", "mymenu", "ADMIN_ALL", "\\w1. A^n"};
}

struct Generated {
    std::vector<std::string> lines;
    std::optional<QString> failure;
};

Generated generate(const OldStyleMenu &menu) {
    SourceText out;
    auto failure = appendOldStyleMenu(out, menu);
    return {generatedLines(out.text()), std::move(failure)};
}

constexpr size_t kKeyMaskLine = 6;
constexpr size_t kFirstCaseLine = 23;

const std::vector<std::string> kHeader = {
    "#include <amxmodx>",      "#include <amxmisc>",       "", "#define PLUGIN \"New Plug-In\"",
    "#define VERSION \"1.0\"", "#define AUTHOR \"author\""};

struct KeysCase {
    const char *keys;
    const char *mask;
    std::vector<int> cases;
};

void PrintTo(const KeysCase &c, std::ostream *os) {
    *os << '"' << c.keys << '"';
}

class OldStyleKeysTest : public ::testing::TestWithParam<KeysCase> {};

// Key 1 is bit 0 and reaches the handler as key 0, ..., key 0 is bit 9 and arrives as key 9.
TEST_P(OldStyleKeysTest, MaskHasATermPerKeyAndTheHandlerACasePerDistinctKey) {
    const KeysCase &c = GetParam();
    const Generated generated = generate(menuWithKeys(c.keys));
    ASSERT_FALSE(generated.failure.has_value()) << generated.failure->toStdString();
    const auto &lines = generated.lines;
    ASSERT_EQ(lines.size(), 26 + 2 * c.cases.size());
    EXPECT_EQ(lines[kKeyMaskLine], c.mask);
    EXPECT_EQ(lines[kFirstCaseLine - 1], "       switch (key) {");
    for (size_t i = 0; i < c.cases.size(); ++i) {
        EXPECT_EQ(lines[kFirstCaseLine + 2 * i],
                  "       case " + std::to_string(c.cases[i]) + ": {");
        EXPECT_EQ(lines[kFirstCaseLine + 2 * i + 1], "       }");
    }
    const std::vector<std::string> tail(lines.end() - 3, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"       }", "       return PLUGIN_HANDLED;", "}"}));
}

INSTANTIATE_TEST_SUITE_P(
    HandledKeys, OldStyleKeysTest,
    ::testing::Values(
        KeysCase{"123", "#define KEYS (1 << 0)|(1 << 1)|(1 << 2)", {0, 1, 2}},
        KeysCase{"135", "#define KEYS (1 << 0)|(1 << 2)|(1 << 4)", {0, 2, 4}},
        KeysCase{"7", "#define KEYS (1 << 6)", {6}}, KeysCase{"0", "#define KEYS (1 << 9)", {9}},
        KeysCase{"120", "#define KEYS (1 << 0)|(1 << 1)|(1 << 9)", {0, 1, 9}},
        KeysCase{"11", "#define KEYS (1 << 0)|(1 << 0)", {0}},
        KeysCase{"00", "#define KEYS (1 << 9)|(1 << 9)", {9}},
        KeysCase{"3131", "#define KEYS (1 << 2)|(1 << 0)|(1 << 2)|(1 << 0)", {2, 0}},
        KeysCase{"9", "#define KEYS (1 << 8)", {8}},
        KeysCase{"1231", "#define KEYS (1 << 0)|(1 << 1)|(1 << 2)|(1 << 0)", {0, 1, 2}},
        KeysCase{"1234567890",
                 "#define KEYS (1 << 0)|(1 << 1)|(1 << 2)|(1 << 3)|(1 << 4)|(1 << 5)|(1 << 6)|"
                 "(1 << 7)|(1 << 8)|(1 << 9)",
                 {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        KeysCase{"0987654321",
                 "#define KEYS (1 << 9)|(1 << 8)|(1 << 7)|(1 << 6)|(1 << 5)|(1 << 4)|(1 << 3)|"
                 "(1 << 2)|(1 << 1)|(1 << 0)",
                 {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}}),
    [](const ::testing::TestParamInfo<KeysCase> &info) {
        return std::string("Keys") + info.param.keys;
    });

struct VerbatimCase {
    const char *name;
    OldStyleMenu menu;
    size_t line;
    const char *expected;
};

TEST(OldStyleTemplateTest, InsertsUserTextUnchanged) {
    const std::vector<VerbatimCase> cases = {
        {"the menu name keeps its space and names the shown menu",
         {"1", "My Menu", "cmd", "ADMIN_ALL", "x"},
         17,
         R"(       show_menu(id, KEYS, "x", -1, "My Menu");)"},
        {"placeholders and quotes in the menu string do not shift the menu name",
         {"1", "Name %s", "cmd", "ADMIN_ALL", R"(a%sb%d"c\r^n)"},
         17,
         R"(       show_menu(id, KEYS, "a%sb%d"c\r^n", -1, "Name %s");)"},
        {"the menu name in the registration",
         {"1", R"(M "1" %d)", "cmd", "ADMIN_ALL", "x"},
         12,
         R"(       register_menucmd(register_menuid("M "1" %d"), KEYS, "MenuPressed");)"},
        {"a quote in the command stays unbalanced",
         {"1", "M", "my\"menu", "ADMIN_ALL", "x"},
         11,
         R"(       register_clcmd("my"menu", "cmdMenu", ADMIN_ALL);)"},
        {"an empty menu string",
         {"1", "M", "cmd", "ADMIN_ALL", ""},
         17,
         R"(       show_menu(id, KEYS, "", -1, "M");)"},
    };
    for (const VerbatimCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Generated generated = generate(c.menu);
        ASSERT_FALSE(generated.failure.has_value());
        ASSERT_EQ(generated.lines.size(), 28u);
        EXPECT_EQ(generated.lines[c.line], c.expected);
    }
}

TEST(OldStyleTemplateTest, TheAccessFlagStandsBareAfterTheQuotedCommand) {
    for (const char *flag : AccessFlagNames) {
        SCOPED_TRACE(flag);
        const auto lines = generate({"1", "My Menu", "mymenu", flag, "x"}).lines;
        EXPECT_EQ(lines[11],
                  std::string("       register_clcmd(\"mymenu\", \"cmdMenu\", ") + flag + ");");
    }
}

struct BadKeysCase {
    const char16_t *keys;
    const char16_t *offending;
};

TEST(OldStyleTemplateTest, ANonDigitKeyStopsAfterTheHeaderAndNamesTheCharacter) {
    const std::vector<BadKeysCase> cases = {
        {u"1a", u"a"},
        {u"a", u"a"},
        {u"12x3y", u"x"},
        {u" 1", u" "},
        {u"1 ", u" "},
        {u"-1", u"-"},
        {u"+1", u"+"},
        {u"1\t", u"\t"},
        {u"\u0663", u"\u0663"},           // Arabic-Indic three is a digit, not a key
        {u"\uff15", u"\uff15"},           // fullwidth five
        {u"2\u00b2", u"\u00b2"},          // superscript two
        {u"1\U0001F600", u"\U0001F600"},  // a character outside the BMP is one character
        {u"1\xD83D", u"\xD83D"},          // a lone high surrogate is all there is
    };
    for (const BadKeysCase &c : cases) {
        const QString keys = QString::fromUtf16(c.keys);
        const QString offending = QString::fromUtf16(c.offending);
        SCOPED_TRACE(keys.toStdString());
        const Generated generated = generate(menuWithKeys(keys));
        EXPECT_EQ(generated.lines, kHeader);
        ASSERT_TRUE(generated.failure.has_value());
        EXPECT_EQ(*generated.failure, "'" + offending + "' is not a valid integer value");
    }
}

}  // namespace
}  // namespace orvane
