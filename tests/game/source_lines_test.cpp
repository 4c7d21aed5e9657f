#include "game/source_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

struct SizeCase {
    const char *name;
    std::u16string text;
    qsizetype bytes;
};

class Utf8SizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(Utf8SizeTest, CountsTheBytesTheSavedFileHolds) {
    EXPECT_EQ(Utf8Size(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8SizeTest,
    ::testing::Values(SizeCase{"Ascii", u"menu", 4}, SizeCase{"Cyrillic", u"Меню", 8},
                      SizeCase{"Euro", u"€", 3}, SizeCase{"SurrogatePair", u"\U0001F600", 4},
                      SizeCase{"LoneSurrogateAsReplacement", std::u16string(1, u'\xD800'), 3},
                      SizeCase{"Empty", u"", 0}),
    [](const auto &info) { return std::string(info.param.name); });

// The compiler splits at line feeds only: a CR before one belongs to the break, any other CR
// stays in the line.
TEST(SourceLines, SplitWhereTheCompilerSplits) {
    const QString source = QStringLiteral("a\r\n       Меню\r\nb\nc\rd\r\n\r\nlast");
    const QList<SourceLine> lines = SourceLines(source);
    std::vector<std::string> texts;
    std::vector<qsizetype> bytes;
    std::vector<int> numbers;
    for (const SourceLine &line : lines) {
        texts.push_back(line.text.toString().toStdString());
        bytes.push_back(line.bytes);
        numbers.push_back(line.number);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "Меню", "b", "c\rd", "", "last"}));
    EXPECT_EQ(bytes, (std::vector<qsizetype>{1, 15, 1, 3, 0, 4}));
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace orvane
