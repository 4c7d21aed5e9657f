#include "generator/generate.h"

#include "generated_lines.h"
#include "generator/coloured_text.h"
#include "generator/current_menu.h"
#include "output/save_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

using testing::generatedLines;
using testing::withCrLf;

// Read before any test can change it: the program starts with the new style selected.
const int currentMenuAtStart = CurrentMenu();

// Editors filled in the way a user would, counting what generation asks for.
class FakeInputs : public MenuInputs {
  public:
    NewStyleMenu newMenu{"My Menu", "mymenu", "ADMIN_ALL", {"Kick", "Ban", "Exit"}};
    OldStyleMenu oldMenu{"120", "My Menu", "mymenu", "ADMIN_ALL", "\\w1. Kick^n"};
    mutable int newStyleReads = 0;
    mutable int oldStyleReads = 0;

    NewStyleMenu newStyleMenu() const override {
        ++newStyleReads;
        return newMenu;
    }
    OldStyleMenu oldStyleMenu() const override {
        ++oldStyleReads;
        return oldMenu;
    }
};

class GenerateTest : public ::testing::Test {
  protected:
    void TearDown() override { SetCurrentMenu(0); }
};

// The whole plugin for the default new-style inputs, exactly as it must reach the user.
constexpr char kNewStylePlugin[] = R"(#include <amxmodx>
#include <amxmisc>

#define PLUGIN "New Plug-In"
#define VERSION "1.0"
#define AUTHOR "author"

public plugin_init() {

       register_clcmd("mymenu", "cmdMenu", ADMIN_ALL);
       register_plugin(PLUGIN, VERSION, AUTHOR);
}

public cmdMenu(id, level, cid) {
       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;
       new i_Menu = menu_create("My Menu", "menu_handler");
       menu_additem(i_Menu, "Kick", "1", 0);
       menu_additem(i_Menu, "Ban", "2", 0);
       menu_additem(i_Menu, "Exit", "3", 0);
       menu_setprop(i_Menu, MPROP_NEXTNAME, "Далее");
       menu_setprop(i_Menu, MPROP_BACKNAME, "Назад");
       menu_setprop(i_Menu, MPROP_EXITNAME, "Выход");

       menu_display(id, i_Menu, 0)
       return PLUGIN_HANDLED;
}

public menu_handler(id, menu, item) {
       if( item < 0 ) {
              menu_destroy(menu);
              return PLUGIN_HANDLED;
       }
       new cmd[3], access, callback;
       menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);
       new Choise = str_to_num(cmd)
       switch (Choise) {
       case 1: {
       }
       case 2: {
       }
       case 3: {
       }
       }
       menu_destroy(menu);
       return PLUGIN_HANDLED;
}
)";

constexpr char kOldStylePlugin[] = R"(#include <amxmodx>
#include <amxmisc>

#define PLUGIN "New Plug-In"
#define VERSION "1.0"
#define AUTHOR "author"
#define KEYS (1 << 0)|(1 << 1)|(1 << 9)

public plugin_init() {

       register_plugin(PLUGIN, VERSION, AUTHOR);
       register_clcmd("mymenu", "cmdMenu", ADMIN_ALL);
       register_menucmd(register_menuid("My Menu"), KEYS, "MenuPressed");
}

public cmdMenu(id, level, cid) {
       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;
       show_menu(id, KEYS, "\w1. Kick^n\y2. Ban^n\r0. Exit^n", -1, "My Menu");
       return PLUGIN_HANDLED;
}

public MenuPressed(id, key) {
       switch (key) {
       case 0: {
       }
       case 1: {
       }
       case 9: {
       }
       }
       return PLUGIN_HANDLED;
}
)";

constexpr char kHeader[] = R"(#include <amxmodx>
#include <amxmisc>

#define PLUGIN "New Plug-In"
#define VERSION "1.0"
#define AUTHOR "author"
)";

TEST_F(GenerateTest, TheProgramStartsWithTheNewStyle) {
    EXPECT_EQ(currentMenuAtStart, 0);
}

TEST_F(GenerateTest, NewStylePluginIsExact) {
    SetCurrentMenu(0);
    FakeInputs inputs;
    const Generation generation = Generate(inputs);
    EXPECT_EQ(generation.failure, QString());
    EXPECT_EQ(generatedLines(generation.text).size(), 46u);
    EXPECT_EQ(generation.text.toStdString(), withCrLf(kNewStylePlugin));
}

TEST_F(GenerateTest, OldStylePluginIsExact) {
    using namespace MenuColour;
    auto line = [](const QString &text, Rgb colour) {
        return ColouredLine{text, std::vector<Rgb>(size_t(text.size()), colour)};
    };
    const ColouredText editor = {line("1. Kick", White), line("2. Ban", Yellow),
                                 line("0. Exit", Red)};
    SetCurrentMenu(1);
    FakeInputs inputs;
    inputs.oldMenu = {HandledKeysHarvest(editor), "My Menu", "mymenu", "ADMIN_ALL",
                      MenuTextEncoding(editor)};
    const Generation generation = Generate(inputs);
    EXPECT_EQ(generation.failure, QString());
    EXPECT_EQ(generatedLines(generation.text).size(), 32u);
    EXPECT_EQ(generation.text.toStdString(), withCrLf(kOldStylePlugin));
}

// register_clcmd only records the flag; the function itself must refuse a player without it,
// and end the command so that the game does not answer "Unknown command".
TEST_F(GenerateTest, TheCommandFunctionChecksTheAccessFlagAndEndsTheCommand) {
    for (const int kind : {0, 1}) {
        SCOPED_TRACE(kind);
        SetCurrentMenu(kind);
        FakeInputs inputs;
        inputs.newMenu.accessFlag = inputs.oldMenu.accessFlag = "ADMIN_BAN";
        const auto lines = generatedLines(Generate(inputs).text);
        const auto start =
            std::find(lines.begin(), lines.end(), "public cmdMenu(id, level, cid) {");
        ASSERT_NE(start, lines.end());
        EXPECT_EQ(*(start + 1),
                  "       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;");
        const auto end = std::find(start, lines.end(), "}");
        ASSERT_NE(end, lines.end());
        EXPECT_EQ(*(end - 1), "       return PLUGIN_HANDLED;");
        EXPECT_NE(std::find(lines.begin(), start,
                            "       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_BAN);"),
                  start);
    }
}

TEST_F(GenerateTest, ANonDigitHandledKeyLeavesTheHeaderAndTheMessage) {
    SetCurrentMenu(1);
    FakeInputs inputs;
    inputs.oldMenu.handledKeys = "1a";
    const Generation generation = Generate(inputs);
    EXPECT_EQ(generation.text.toStdString(), withCrLf(kHeader));
    EXPECT_EQ(generation.failure, "'a' is not a valid integer value");
}

TEST_F(GenerateTest, OtherMenuKindsGenerateNothing) {
    for (const int kind : {2, -1, 3, 1000, std::numeric_limits<int>::min()}) {
        SCOPED_TRACE(kind);
        SetCurrentMenu(kind);
        FakeInputs inputs;
        const Generation generation = Generate(inputs);
        EXPECT_TRUE(generation.text.isEmpty());
        EXPECT_TRUE(generation.failure.isEmpty());
        EXPECT_EQ(inputs.newStyleReads + inputs.oldStyleReads, 0);
    }
}

TEST_F(GenerateTest, ReadsOnlyTheEditorOfTheSelectedKind) {
    FakeInputs inputs;
    SetCurrentMenu(0);
    Generate(inputs);
    EXPECT_EQ(inputs.newStyleReads, 1);
    EXPECT_EQ(inputs.oldStyleReads, 0);
    SetCurrentMenu(1);
    Generate(inputs);
    EXPECT_EQ(inputs.newStyleReads, 1);
    EXPECT_EQ(inputs.oldStyleReads, 1);
}

TEST_F(GenerateTest, SavedNewStylePluginHasExactlyTheseBytes) {
    SetCurrentMenu(0);
    FakeInputs inputs;
    const Generation generation = Generate(inputs);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("menu.sma");
    const SaveResult saved = SaveFileInUTF8(path, generation.text);
    ASSERT_TRUE(saved.ok) << saved.message.toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.toStdString(), withCrLf(kNewStylePlugin));
    // Spelled out in bytes as well, so the check does not rest on how this file is encoded:
    // each Cyrillic letter takes two bytes, no byte-order mark comes first.
    EXPECT_TRUE(bytes.startsWith("#include <amxmodx>\r\n#include <amxmisc>\r\n\r\n"));
    EXPECT_TRUE(
        bytes.contains("MPROP_NEXTNAME, \"\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5\");\r\n"));
    EXPECT_TRUE(
        bytes.contains("MPROP_BACKNAME, \"\xD0\x9D\xD0\xB0\xD0\xB7\xD0\xB0\xD0\xB4\");\r\n"));
    EXPECT_TRUE(
        bytes.contains("MPROP_EXITNAME, \"\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4\");\r\n"));
}

}  // namespace
}  // namespace orvane
