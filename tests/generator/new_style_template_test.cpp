#include "generator/new_style_template.h"

#include "generated_lines.h"
#include "generator/access_flags.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

using testing::generatedLines;

NewStyleMenu defaultMenu(int itemCount) {
    NewStyleMenu menu{"My Menu", "mymenu", "ADMIN_ALL", {}};
    for (int k = 1; k <= itemCount; ++k) menu.items << QStringLiteral("Item %1").arg(k);
    return menu;
}

std::vector<std::string> generate(const NewStyleMenu &menu) {
    SourceText out;
    appendNewStyleMenu(out, menu);
    return generatedLines(out.text());
}

std::string itemLine(const std::string &text, int k) {
    return "       menu_additem(i_Menu, \"" + text + "\", \"" + std::to_string(k) + "\", 0);";
}

// Where the item lines start, and how many lines follow the last one before the cases.
constexpr size_t kFirstItemLine = 16;
constexpr size_t kLinesFromItemsToCases = 17;

struct MenuSize {
    int items;
    const char *buffer;   // the handler's info buffer declaration
    const char *getInfo;  // the line that reads the info back into it
};

void PrintTo(const MenuSize &size, std::ostream *os) {
    *os << size.items << " items";
}

class NewStyleMenuSizeTest : public ::testing::TestWithParam<MenuSize> {};

// The info buffer must hold the largest item number and its terminator, or menu_item_getinfo
// cuts item 100 to "10"; small menus keep the classic declaration.
TEST_P(NewStyleMenuSizeTest, HasOneItemLineAndOneCaseForEveryItemAndABufferThatFitsThem) {
    const MenuSize size = GetParam();
    const auto lines = generate(defaultMenu(size.items));
    const size_t n = size_t(size.items);
    ASSERT_EQ(lines.size(), 37 + 3 * n);

    for (size_t k = 1; k <= n; ++k) {
        ASSERT_EQ(lines[kFirstItemLine + k - 1], itemLine("Item " + std::to_string(k), int(k)));
    }
    const size_t firstCase = kFirstItemLine + n + kLinesFromItemsToCases;
    EXPECT_EQ(lines[firstCase - 4], std::string("       ") + size.buffer);
    EXPECT_EQ(lines[firstCase - 3], std::string("       ") + size.getInfo);
    EXPECT_EQ(lines[firstCase - 1], "       switch (Choise) {");
    for (size_t k = 1; k <= n; ++k) {
        ASSERT_EQ(lines[firstCase + 2 * (k - 1)], "       case " + std::to_string(k) + ": {");
        ASSERT_EQ(lines[firstCase + 2 * (k - 1) + 1], "       }");
    }
    // The menu is released on the way out of the handler.
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"       }", "       menu_destroy(menu);",
                                              "       return PLUGIN_HANDLED;", "}"}));
}

INSTANTIATE_TEST_SUITE_P(
    ItemCounts, NewStyleMenuSizeTest,
    ::testing::Values(MenuSize{1, "new cmd[3], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);"},
                      MenuSize{3, "new cmd[3], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);"},
                      MenuSize{9, "new cmd[3], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);"},
                      MenuSize{10, "new cmd[3], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);"},
                      MenuSize{99, "new cmd[3], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);"},
                      MenuSize{100, "new cmd[4], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,3,_,_, callback);"},
                      MenuSize{150, "new cmd[4], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,3,_,_, callback);"},
                      MenuSize{999, "new cmd[4], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,3,_,_, callback);"},
                      MenuSize{1000, "new cmd[5], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,4,_,_, callback);"},
                      MenuSize{10000, "new cmd[6], access, callback;",
                               "menu_item_getinfo(menu, item, access, cmd,5,_,_, callback);"}),
    [](const ::testing::TestParamInfo<MenuSize> &info) {
        return std::to_string(info.param.items) + "Items";
    });

struct VerbatimCase {
    const char *name;
    NewStyleMenu menu;
    size_t line;
    const char *expected;
};

TEST(NewStyleTemplateTest, InsertsUserTextUnchanged) {
    const std::vector<VerbatimCase> cases = {
        {"a quote in the command stays unbalanced",
         {"T", "my\"menu", "ADMIN_ALL", {"A"}},
         9,
         R"(       register_clcmd("my"menu", "cmdMenu", ADMIN_ALL);)"},
        {"%d in the title is not a placeholder",
         {"Top %d %s", "c", "ADMIN_ALL", {"A"}},
         15,
         R"(       new i_Menu = menu_create("Top %d %s", "menu_handler");)"},
        {"%d in an item does not take the item's number",
         {"T", "c", "ADMIN_ALL", {"%d", "%s"}},
         17,
         R"(       menu_additem(i_Menu, "%s", "2", 0);)"},
        {"an item keeps its leading and trailing spaces",
         {"T", "c", "ADMIN_ALL", {"   Kick  "}},
         16,
         R"(       menu_additem(i_Menu, "   Kick  ", "1", 0);)"},
        {"backslashes, carets and quotes in an item",
         {"T", "c", "ADMIN_ALL", {R"(a\"b^n\y)"}},
         16,
         R"(       menu_additem(i_Menu, "a\"b^n\y", "1", 0);)"},
        {"an empty title",
         {"", "c", "ADMIN_ALL", {"A"}},
         15,
         R"(       new i_Menu = menu_create("", "menu_handler");)"},
        {"a Cyrillic title",
         {"Меню", "c", "ADMIN_ALL", {"A"}},
         15,
         R"(       new i_Menu = menu_create("Меню", "menu_handler");)"},
    };
    for (const VerbatimCase &c : cases) {
        SCOPED_TRACE(c.name);
        const auto lines = generate(c.menu);
        ASSERT_EQ(lines.size(), 37 + 3 * size_t(c.menu.items.size()));
        EXPECT_EQ(lines[c.line], c.expected);
    }
}

TEST(NewStyleTemplateTest, TheAccessFlagStandsBareAfterTheQuotedCommand) {
    for (const char *flag : AccessFlagNames) {
        SCOPED_TRACE(flag);
        const auto lines = generate(NewStyleMenu{"T", "mymenu", flag, {"A"}});
        EXPECT_EQ(lines[9],
                  std::string("       register_clcmd(\"mymenu\", \"cmdMenu\", ") + flag + ");");
    }
}

TEST(NewStyleTemplateTest, KeepsALongItemWhole) {
    const QString longItem(4095, u'x');
    const auto lines = generate(NewStyleMenu{"T", "c", "ADMIN_ALL", {longItem}});
    EXPECT_EQ(lines[16], itemLine(longItem.toStdString(), 1));
}

TEST(NewStyleTemplateTest, AppendsAfterTheTextAlreadyThere) {
    SourceText out;
    out.appendLine(0, u"earlier");
    appendNewStyleMenu(out, defaultMenu(2));
    const auto lines = generatedLines(out.text());
    ASSERT_EQ(lines.size(), 1 + 37 + 3 * 2u);
    EXPECT_EQ(lines[0], "earlier");
    EXPECT_EQ(lines[1], "#include <amxmodx>");
}

}  // namespace
}  // namespace orvane
