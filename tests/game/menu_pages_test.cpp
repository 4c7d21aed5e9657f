#include "game/menu_pages.h"

#include "game/pawn_string.h"
#include "game_printing.h"
#include "generator/coloured_text.h"
#include "generator/new_style_template.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

// The lines every page ends with, written out as AMX Mod X formats them.
const std::string kBackOn = "\\r8. \\wНазад\n";
const std::string kBackOff = "\\d8. Назад\n\\w";
const std::string kNextOn = "\\r9. \\wДалее\n";
const std::string kNextOff = "\\d9. Далее\n\\w";
const std::string kExit = "\\r0. \\wВыход\n";

const std::string kSevenItems =
    "\\r1.\\w A\n\\r2.\\w B\n\\r3.\\w C\n\\r4.\\w D\n\\r5.\\w E\n\\r6.\\w F\n\\r7.\\w G\n";
const std::string kSecondSeven =
    "\\r1.\\w H\n\\r2.\\w I\n\\r3.\\w J\n\\r4.\\w K\n\\r5.\\w L\n\\r6.\\w M\n\\r7.\\w N\n";

QStringList letters(int count) {
    QStringList items;
    for (int i = 0; i < count; ++i) items << QString(QChar(u'A' + i));
    return items;
}

std::string x(int count) {
    return std::string(size_t(count), 'x');
}

struct PagesCase {
    const char *name;
    QString title;
    QStringList items;
    std::vector<std::string> pages;
};

void PrintTo(const PagesCase &c, std::ostream *os) {
    *os << c.name;
}
std::string caseName(const ::testing::TestParamInfo<PagesCase> &info) {
    return info.param.name;
}

class NewStylePagesTest : public ::testing::TestWithParam<PagesCase> {};

TEST_P(NewStylePagesTest, EveryPageByteForByteAsAmxModXSendsIt) {
    const PagesCase &c = GetParam();
    const QList<QByteArray> pages = NewStyleMenuPages({c.title, "mymenu", "ADMIN_ALL", c.items});
    ASSERT_EQ(size_t(pages.size()), c.pages.size());
    for (size_t p = 0; p < c.pages.size(); ++p)
        EXPECT_EQ(pages[qsizetype(p)], QByteArray::fromStdString(c.pages[p])) << "page " << p + 1;
}

INSTANTIATE_TEST_SUITE_P(
    ItemCounts, NewStylePagesTest,
    ::testing::Values(
        // One page: no page number, and the padding counts the unused Back and Next slots.
        PagesCase{"OneItem",
                  "My Menu",
                  {"Kick"},
                  {"\\yMy Menu\n\\w\n\\r1.\\w Kick\n\n\n\n\n\n\n\n" + kExit}},
        PagesCase{"SevenItems", "T", letters(7), {"\\yT\n\\w\n" + kSevenItems + "\n" + kExit}},
        PagesCase{"EightItems",
                  "T",
                  letters(8),
                  {"\\yT 1/2\n\\w\n" + kSevenItems + "\n" + kBackOff + kNextOn + kExit,
                   "\\yT 2/2\n\\w\n\\r1.\\w H\n\n\n\n\n\n\n\n" + kBackOn + kNextOff + kExit}},
        PagesCase{"FourteenItems",
                  "T",
                  letters(14),
                  {"\\yT 1/2\n\\w\n" + kSevenItems + "\n" + kBackOff + kNextOn + kExit,
                   "\\yT 2/2\n\\w\n" + kSecondSeven + "\n" + kBackOn + kNextOff + kExit}},
        PagesCase{"FifteenItems",
                  "T",
                  letters(15),
                  {"\\yT 1/3\n\\w\n" + kSevenItems + "\n" + kBackOff + kNextOn + kExit,
                   "\\yT 2/3\n\\w\n" + kSecondSeven + "\n" + kBackOn + kNextOn + kExit,
                   "\\yT 3/3\n\\w\n\\r1.\\w O\n\n\n\n\n\n\n\n" + kBackOn + kNextOff + kExit}},
        PagesCase{
            "Cyrillic",
            "Меню сервера",
            {"Кикнуть", "Забанить"},
            {"\\yМеню сервера\n\\w\n\\r1.\\w Кикнуть\n\\r2.\\w Забанить\n\n\n\n\n\n\n" + kExit}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    TextAsTheCompilerStoresIt, NewStylePagesTest,
    ::testing::Values(PagesCase{"EscapesApplied",
                                "A^^B",
                                {"x^x41;y", "cut^0off"},
                                {"\\yA^B\n\\w\n\\r1.\\w xAy\n\\r2.\\w cut\n\n\n\n\n\n\n" + kExit}},
                      PagesCase{"GameCodesPassThrough",
                                "\\rRed",
                                {"\\dgrey"},
                                {"\\y\\rRed\n\\w\n\\r1.\\w \\dgrey\n\n\n\n\n\n\n\n" + kExit}}),
    caseName);

// 7 bytes of "\r1.\w " before the item and its line break: 254 bytes hold 246 bytes of item.
INSTANTIATE_TEST_SUITE_P(
    LineCut, NewStylePagesTest,
    ::testing::Values(
        PagesCase{"ItemFillsTheLine",
                  "T",
                  {QString::fromStdString(x(246)), "B"},
                  {"\\yT\n\\w\n\\r1.\\w " + x(246) + "\n\\r2.\\w B\n\n\n\n\n\n\n" + kExit}},
        PagesCase{"ItemLosesItsLineBreak",
                  "T",
                  {QString::fromStdString(x(247)), "B"},
                  {"\\yT\n\\w\n\\r1.\\w " + x(247) + "\\r2.\\w B\n\n\n\n\n\n\n" + kExit}},
        PagesCase{"CharacterEndsAtTheCut",
                  "T",
                  {QString::fromStdString(x(245)) + "ж"},
                  {"\\yT\n\\w\n\\r1.\\w " + x(245) + "ж\n\n\n\n\n\n\n" + kExit}},
        PagesCase{"CharacterStraddlesTheCut",
                  "T",
                  {QString::fromStdString(x(246)) + "ж"},
                  {"\\yT\n\\w\n\\r1.\\w " + x(246) + "\xD0\n\n\n\n\n\n\n" + kExit}},
        // The cut title line ends in a backslash that takes the item's colour code's.
        PagesCase{"TitleLine",
                  QString::fromStdString(x(250)),
                  {"A"},
                  {"\\y" + x(250) + "\n\\\\r1.\\w A\n\n\n\n\n\n\n\n" + kExit}},
        PagesCase{"TitleWithPageNumber",
                  QString::fromStdString(x(250)),
                  letters(8),
                  {"\\y" + x(250) + " 1" + kSevenItems + "\n" + kBackOff + kNextOn + kExit,
                   "\\y" + x(250) + " 2\\r1.\\w H\n\n\n\n\n\n\n\n" + kBackOn + kNextOff + kExit}}),
    caseName);

TEST(NewStylePageCut, APageIsCutAt2047Bytes) {
    QStringList items;
    for (int i = 0; i < 7; ++i) items << QString::fromStdString(x(300));
    const QList<QByteArray> pages =
        NewStyleMenuPages({QString::fromStdString(x(300)), "mymenu", "ADMIN_ALL", items});
    ASSERT_EQ(pages.size(), 1);
    // Title and items fill 8 x 254 bytes, the padding one more: 14 bytes of Exit's line are left.
    EXPECT_EQ(pages[0].size(), 2047);
    EXPECT_TRUE(pages[0].endsWith("\n\\r0. \\wВых\xD0")) << readableBytes(pages[0].right(20));
}

TEST(NewStylePageLayout, NamesTheLineEveryKeyStandsFor) {
    const QList<MenuPage> pages = NewStyleMenuPageLayout({"T", "mymenu", "ADMIN_ALL", letters(9)});
    ASSERT_EQ(pages.size(), 2);
    const MenuPage &second = pages[1];
    ASSERT_EQ(second.lines.size(), 6);
    const std::vector<std::pair<PageLine::Kind, int>> expected = {
        {PageLine::Title, 0}, {PageLine::Item, 8}, {PageLine::Item, 9},
        {PageLine::Back, 0},  {PageLine::Next, 0}, {PageLine::Exit, 0}};
    for (size_t i = 0; i < expected.size(); ++i) {
        const PageLine &line = second.lines[qsizetype(i)];
        EXPECT_EQ(line.kind, expected[i].first) << i;
        EXPECT_EQ(line.item, expected[i].second) << i;
    }
    EXPECT_EQ(second.bytes.mid(second.lines[2].begin, second.lines[2].end - second.lines[2].begin),
              "\\r2.\\w I\n");
    EXPECT_EQ(second.bytes.mid(second.lines[5].begin), QByteArray::fromStdString(kExit));
}

// The captions are what the generated plugin sets; a change of the template shows up here.
TEST(NewStylePageCaptions, AreTheOnesTheGeneratedPluginSets) {
    const NewStyleMenu menu{"T", "mymenu", "ADMIN_ALL", letters(8)};
    SourceText source;
    appendNewStyleMenu(source, menu);
    const QList<QByteArray> pages = NewStyleMenuPages(menu);
    for (const char *property : {"MPROP_BACKNAME", "MPROP_NEXTNAME", "MPROP_EXITNAME"}) {
        const QString text = source.text();
        const qsizetype at = text.indexOf(QLatin1String(property));
        ASSERT_GE(at, 0) << property;
        const qsizetype open = text.indexOf(u'"', at);
        const qsizetype close = text.indexOf(u'"', open + 1);
        const QByteArray caption = PawnStringBytes(text.mid(open + 1, close - open - 1)).bytes;
        EXPECT_TRUE((pages[0] + pages[1]).contains(". \\w" + caption + "\n")) << property;
    }
    EXPECT_FALSE(source.text().contains(u"MPROP_PERPAGE"));
}

struct OldTextCase {
    const char *name;
    QString menuString;
    std::string bytes;
};

void PrintTo(const OldTextCase &c, std::ostream *os) {
    *os << c.name;
}
std::string oldCaseName(const ::testing::TestParamInfo<OldTextCase> &info) {
    return info.param.name;
}

class OldStyleTextTest : public ::testing::TestWithParam<OldTextCase> {};

TEST_P(OldStyleTextTest, IsTheMenuStringAsTheCompilerStoresIt) {
    EXPECT_EQ(OldStyleMenuText({"120", "My Menu", "mymenu", "ADMIN_ALL", GetParam().menuString}),
              QByteArray::fromStdString(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(MenuStrings, OldStyleTextTest,
                         ::testing::Values(OldTextCase{"Readme",
                                                       "\\w1. Kick^n\\y2. Ban^n\\r0. Exit^n",
                                                       "\\w1. Kick\n\\y2. Ban\n\\r0. Exit\n"},
                                           OldTextCase{"Cyrillic", "\\w1. Кик^n", "\\w1. Кик\n"},
                                           OldTextCase{"Escapes", "a^^b^x41;^0rest", "a^bA"},
                                           OldTextCase{"Empty", "", ""}),
                         oldCaseName);

TEST(OldStyleText, OfTheEncodedColouredText) {
    const ColouredText text = {
        {"1. Kick", std::vector<Rgb>(7, MenuColour::White)},
        {"0. Выход", std::vector<Rgb>(8, MenuColour::Red)},
    };
    EXPECT_EQ(OldStyleMenuText({"10", "M", "m", "ADMIN_ALL", MenuTextEncoding(text)}),
              QByteArray("\\w1. Kick\n\\r0. Выход\n"));
}

}  // namespace
}  // namespace orvane
