#include "generator/source_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

struct FormatCase {
    const char *name;
    int indent;
    const char16_t *tmpl;
    std::vector<FormatArg> args;
    const char *expected;  // UTF-8, without the line end
};

// FormatArg keeps a view of its text: every text below is a literal, so it outlives the case.
const std::vector<FormatCase> &formatCases() {
    static const std::vector<FormatCase> cases = {
        {"no placeholders", 0, u"public plugin_init() {", {}, "public plugin_init() {"},
        {"body indent", 7, u"}", {}, "       }"},
        {"text then number", 0, u"a %s b %d c", {u"X", 5}, "a X b 5 c"},
        {"number then text", 0, u"%d:%s", {12, u"Y"}, "12:Y"},
        {"placeholders side by side", 0, u"%s%s%d%d", {u"a", u"b", 1, 2}, "ab12"},
        {"placeholder at both ends", 0, u"%s mid %s", {u"<", u">"}, "< mid >"},
        {"negative number", 0, u"case %d: {", {-42}, "case -42: {"},
        {"zero", 0, u"case %d: {", {0}, "case 0: {"},
        {"no leading zeros or spaces", 0, u"[%d]", {7}, "[7]"},
        {"largest number", 0, u"%d", {std::numeric_limits<qint64>::max()}, "9223372036854775807"},
        {"smallest number", 0, u"%d", {std::numeric_limits<qint64>::min()}, "-9223372036854775808"},
        {"inserted %d is not a placeholder", 0, u"\"%s\", \"%d\"", {u"%d", 3}, "\"%d\", \"3\""},
        {"inserted %s is not a placeholder", 0, u"%s|%s", {u"%s%s", u"z"}, "%s%s|z"},
        {"inserted percent signs", 0, u"%s", {u"100% %% %"}, "100% %% %"},
        {"quotes, backslashes and carets unchanged",
         0,
         u"\"%s\"",
         {u"a\"b\\c^n\\r"},
         "\"a\"b\\c^n\\r\""},
        {"empty text", 0, u"(\"%s\")", {u""}, "(\"\")"},
        {"non-ASCII text", 7, u"%s", {u"Далее €"}, "       Далее €"},
        {"other percent sequences stay literal", 0, u"%x %% 50%", {}, "%x %% 50%"},
        {"percent before a placeholder", 0, u"%%s", {u"V"}, "%V"},
        {"percent at the very end", 0, u"%d%", {1}, "1%"},
    };
    return cases;
}

TEST(SourceTextTest, FillsPlaceholdersFromLeftToRight) {
    for (const FormatCase &c : formatCases()) {
        SCOPED_TRACE(c.name);
        SourceText out;
        switch (c.args.size()) {
            case 0:
                out.appendLine(c.indent, c.tmpl);
                break;
            case 1:
                out.appendLine(c.indent, c.tmpl, {c.args[0]});
                break;
            case 2:
                out.appendLine(c.indent, c.tmpl, {c.args[0], c.args[1]});
                break;
            case 4:
                out.appendLine(c.indent, c.tmpl, {c.args[0], c.args[1], c.args[2], c.args[3]});
                break;
            default:
                FAIL() << "no call for " << c.args.size() << " arguments";
        }
        EXPECT_EQ(out.text().toStdString(), std::string(c.expected) + "\r\n");
    }
}

TEST(SourceTextTest, EveryLineEndsWithCrLfAndEmptyLinesAreOnlyCrLf) {
    SourceText out;
    out.appendLine(0, u"first");
    out.appendEmptyLine();
    out.appendLine(7, u"%s", {u""});
    out.appendEmptyLine();
    EXPECT_EQ(out.text().toStdString(), "first\r\n\r\n       \r\n\r\n");
}

TEST(SourceTextTest, InsertedLineBreaksAreCopiedAsTheyAre) {
    SourceText out;
    out.appendLine(0, u"[%s]", {u"a\nb\r\nc\t"});
    EXPECT_EQ(out.text().toStdString(), "[a\nb\r\nc\t]\r\n");
}

TEST(SourceTextTest, AppendsAfterWhatIsAlreadyThere) {
    SourceText out;
    out.appendLine(0, u"one");
    out.appendLine(0, u"two %d", {2});
    EXPECT_EQ(out.text().toStdString(), "one\r\ntwo 2\r\n");
    EXPECT_EQ(out.takeText().toStdString(), "one\r\ntwo 2\r\n");
}

}  // namespace
}  // namespace orvane
