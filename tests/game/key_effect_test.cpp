#include "game/menu_pages.h"

#include "generator/new_style_template.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvane {
namespace {

NewStyleMenu menuOf(int items) {
    NewStyleMenu menu{"T", "mymenu", "ADMIN_ALL", {}};
    for (int i = 1; i <= items; ++i) menu.items << QStringLiteral("Item %1").arg(i);
    return menu;
}

struct NewKeyCase {
    const char *name;
    int items;
    int page;
    int key;
    KeyEffect::Kind kind;
    int caseLabel = 0;
};

void PrintTo(const NewKeyCase &c, std::ostream *os) {
    *os << c.name;
}
std::string caseName(const ::testing::TestParamInfo<NewKeyCase> &info) {
    return info.param.name;
}

class NewStyleKeyTest : public ::testing::TestWithParam<NewKeyCase> {};

TEST_P(NewStyleKeyTest, DoesWhatTheGeneratedPluginDoes) {
    const NewKeyCase &c = GetParam();
    const KeyEffect effect = NewStyleKeyEffect(menuOf(c.items), c.page, c.key);
    EXPECT_EQ(effect.kind, c.kind);
    EXPECT_EQ(effect.caseLabel, c.caseLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NewStyleKeyTest,
    ::testing::Values(NewKeyCase{"FirstItem", 3, 0, 1, KeyEffect::Case, 1},
                      NewKeyCase{"LastItemOfOnePage", 3, 0, 3, KeyEffect::Case, 3},
                      NewKeyCase{"EmptySlot", 3, 0, 4, KeyEffect::Nothing},
                      NewKeyCase{"EightOnOnePage", 7, 0, 8, KeyEffect::Nothing},
                      NewKeyCase{"NineOnOnePage", 7, 0, 9, KeyEffect::Nothing},
                      NewKeyCase{"ExitOnOnePage", 1, 0, 0, KeyEffect::Exit},
                      NewKeyCase{"SeventhItem", 7, 0, 7, KeyEffect::Case, 7},
                      NewKeyCase{"BackGreyOnFirstPage", 8, 0, 8, KeyEffect::Nothing},
                      NewKeyCase{"NextOnFirstPage", 8, 0, 9, KeyEffect::Next},
                      NewKeyCase{"ItemOnSecondPage", 8, 1, 1, KeyEffect::Case, 8},
                      NewKeyCase{"EmptySlotOnLastPage", 8, 1, 2, KeyEffect::Nothing},
                      NewKeyCase{"BackOnLastPage", 8, 1, 8, KeyEffect::Back},
                      NewKeyCase{"NextGreyOnLastPage", 8, 1, 9, KeyEffect::Nothing},
                      NewKeyCase{"ExitOnLastPage", 8, 1, 0, KeyEffect::Exit},
                      NewKeyCase{"BackOnMiddlePage", 15, 1, 8, KeyEffect::Back},
                      NewKeyCase{"NextOnMiddlePage", 15, 1, 9, KeyEffect::Next},
                      NewKeyCase{"ItemHundred", 150, 14, 2, KeyEffect::Case, 100},
                      NewKeyCase{"PageOutOfRange", 8, 2, 1, KeyEffect::Nothing},
                      NewKeyCase{"KeyOutOfRange", 8, 0, 10, KeyEffect::Nothing}),
    caseName);

// A case label is the item's number only if the handler's info buffer holds every digit of it.
TEST(NewStyleKeyCase, InfoBufferHoldsTheLargestItemNumber) {
    for (const int items : {9, 99, 100, 150, 1000}) {
        SourceText source;
        appendNewStyleMenu(source, menuOf(items));
        const QString text = source.text();
        const QString call = QStringLiteral("menu_item_getinfo(menu, item, access, cmd,");
        const qsizetype at = text.indexOf(call);
        ASSERT_GE(at, 0);
        const qsizetype comma = text.indexOf(u',', at + call.size());
        const int maxLength = text.mid(at + call.size(), comma - at - call.size()).toInt();
        EXPECT_GE(maxLength, QString::number(items).size()) << items << " items";
    }
}

struct OldKeyCase {
    const char *name;
    const char *keys;
    int key;
    KeyEffect::Kind kind;
    int caseLabel = 0;
};

void PrintTo(const OldKeyCase &c, std::ostream *os) {
    *os << c.name;
}
std::string oldCaseName(const ::testing::TestParamInfo<OldKeyCase> &info) {
    return info.param.name;
}

class OldStyleKeyTest : public ::testing::TestWithParam<OldKeyCase> {};

TEST_P(OldStyleKeyTest, ReachesTheCaseOfTheKeyValue) {
    const OldKeyCase &c = GetParam();
    const KeyEffect effect =
        OldStyleKeyEffect({c.keys, "My Menu", "mymenu", "ADMIN_ALL", "\\w1. A^n"}, c.key);
    EXPECT_EQ(effect.kind, c.kind);
    EXPECT_EQ(effect.caseLabel, c.caseLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OldStyleKeyTest,
    ::testing::Values(OldKeyCase{"KeyOne", "120", 1, KeyEffect::Case, 0},
                      OldKeyCase{"KeyTwo", "120", 2, KeyEffect::Case, 1},
                      OldKeyCase{"KeyZero", "120", 0, KeyEffect::Case, 9},
                      OldKeyCase{"KeyNine", "9", 9, KeyEffect::Case, 8},
                      OldKeyCase{"OutsideTheMask", "120", 3, KeyEffect::Nothing},
                      OldKeyCase{"RepeatedKey", "3131", 3, KeyEffect::Case, 2},
                      OldKeyCase{"NotAKey", "120", 10, KeyEffect::Nothing},
                      OldKeyCase{"NoPluginWithALetter", "1a", 1, KeyEffect::Nothing}),
    oldCaseName);

}  // namespace
}  // namespace orvane
