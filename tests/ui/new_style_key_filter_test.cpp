// What typing does in the editor's text boxes: the command box lets only identifier
// characters be typed, and Enter presses no button.
#include "app/forms.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"
#include "ui/key_filters.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <vector>

using namespace new_style_test;

namespace {

// Every printable ASCII character, typed one key at a time.
const char kPrintableAscii[] =
    " !\"#$%&'()*+,-./"
    "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";

const Key kLeft{Qt::Key_Left, {}};
const Key kHome{Qt::Key_Home, {}};
const Key kX{Qt::Key_X, QStringLiteral("x")};

struct KeyCase {
    const char *name;
    std::vector<Key> keys;
    QString expectedText;
    bool selectAll = false;
    int cursor = -1;  // -1: at the end, where setText leaves it
    QString clipboard = QStringLiteral("clip");
    QString expectedClipboard = QStringLiteral("clip");
};

void PrintTo(const KeyCase &c, std::ostream *out) {
    *out << c.name;
}

class CommandBoxKeys : public testing::TestWithParam<KeyCase> {};

}  // namespace

TEST_P(CommandBoxKeys, TypeOnlyIdentifierCharacters) {
    const KeyCase &c = GetParam();
    Forms forms;
    forms.NewStyleMenuEditor.show();
    QLineEdit *box = forms.NewStyleMenuEditor.NewStyle_MenuCommand;
    box->setFocus();
    ASSERT_EQ(box->text(), "mymenu");
    QGuiApplication::clipboard()->setText(c.clipboard);
    if (c.cursor >= 0) box->setCursorPosition(c.cursor);
    if (c.selectAll) box->selectAll();

    for (const Key &key : c.keys) Press(box, key);

    EXPECT_EQ(box->text(), c.expectedText);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.expectedClipboard);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CommandBoxKeys,
    testing::Values(
        KeyCase{"LowerLetter", {{Qt::Key_Q, "q"}}, "mymenuq"},
        KeyCase{"UpperLetter", {{Qt::Key_Q, "Q", Qt::ShiftModifier}}, "mymenuQ"},
        KeyCase{"Digits", {{Qt::Key_0, "0"}, {Qt::Key_9, "9"}}, "mymenu09"},
        KeyCase{"Underscore", {{Qt::Key_Underscore, "_", Qt::ShiftModifier}}, "mymenu_"},
        KeyCase{"Space", {{Qt::Key_Space, " "}}, "mymenu"},
        KeyCase{"CyrillicLetter", {{Qt::Key(0x42F), QStringLiteral("я")}}, "mymenu"},
        KeyCase{"AccentedLetter", {{Qt::Key_Eacute, QStringLiteral("é")}}, "mymenu"},
        KeyCase{"Punctuation",
                {{Qt::Key_Minus, "-"},
                 {Qt::Key_Period, "."},
                 {Qt::Key_QuoteDbl, "\""},
                 {Qt::Key_Percent, "%"}},
                "mymenu"},
        KeyCase{"Backspace", {{Qt::Key_Backspace, "\b"}}, "mymenu"},
        KeyCase{"BackspaceOnSelection", {{Qt::Key_Backspace, "\b"}}, "mymenu", true},
        KeyCase{"CtrlBackspace", {{Qt::Key_Backspace, "\x7f", Qt::ControlModifier}}, "mymenu"},
        KeyCase{"Return", {{Qt::Key_Return, "\r"}}, "mymenu", true},
        KeyCase{"Enter", {{Qt::Key_Enter, "\r", Qt::KeypadModifier}}, "mymenu", true},
        KeyCase{"CtrlV", {{Qt::Key_V, "v", Qt::ControlModifier}}, "mymenu"},
        // A real keyboard types the control character instead of the letter.
        KeyCase{"CtrlVControlCharacter", {{Qt::Key_V, "\x16", Qt::ControlModifier}}, "mymenu"},
        KeyCase{"CtrlX", {{Qt::Key_X, "x", Qt::ControlModifier}}, "mymenu", true},
        KeyCase{"CtrlC", {{Qt::Key_C, "c", Qt::ControlModifier}}, "mymenu", true},
        KeyCase{"CtrlZ", {{Qt::Key_Q, "q"}, {Qt::Key_Z, "z", Qt::ControlModifier}}, "mymenuq"},
        KeyCase{"DeleteErases", {{Qt::Key_Delete, {}}}, "ymenu", false, 0},
        KeyCase{"DeleteOnSelection", {{Qt::Key_Delete, {}}}, "", true},
        KeyCase{"ArrowsMoveTheCaret", {kLeft, kLeft, kX, {Qt::Key_Right, {}}, kX}, "mymexnxu"},
        KeyCase{"HomeMovesTheCaret", {kHome, kX}, "xmymenu"},
        KeyCase{"ShiftInsertPastesUnchecked",
                {{Qt::Key_Insert, {}, Qt::ShiftModifier}},
                QStringLiteral("mymenu a-b я"),
                false,
                -1,
                QStringLiteral(" a-b я"),
                QStringLiteral(" a-b я")},
        KeyCase{"CtrlInsertCopies",
                {{Qt::Key_Insert, {}, Qt::ControlModifier}},
                "mymenu",
                true,
                -1,
                "clip",
                "mymenu"},
        KeyCase{"ShiftDeleteCuts",
                {{Qt::Key_Delete, {}, Qt::ShiftModifier}},
                "",
                true,
                -1,
                "clip",
                "mymenu"}),
    [](const testing::TestParamInfo<KeyCase> &info) { return info.param.name; });

TEST(CommandBox, OfAllPrintableAsciiOnlyIdentifierCharactersArrive) {
    Forms forms;
    QLineEdit *box = forms.NewStyleMenuEditor.NewStyle_MenuCommand;
    box->clear();

    QTest::keyClicks(box, kPrintableAscii);

    EXPECT_EQ(box->text(), "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
}

TEST(DigitKeyFilter, LetsOnlyDigitsBeTyped) {
    QLineEdit box;
    DigitKeyFilter(&box);

    QTest::keyClicks(&box, kPrintableAscii);
    EXPECT_EQ(box.text(), "0123456789");

    Press(&box, {Qt::Key_Backspace, "\b"});
    Press(&box, {Qt::Key(0x0661), QString(QChar(0x0661))});  // ARABIC-INDIC DIGIT ONE
    EXPECT_EQ(box.text(), "0123456789");

    Press(&box, kHome);
    Press(&box, {Qt::Key_Delete, {}});
    EXPECT_EQ(box.text(), "123456789");

    QGuiApplication::clipboard()->setText(" x");
    Press(&box, {Qt::Key_Insert, {}, Qt::ShiftModifier});
    EXPECT_EQ(box.text(), " x123456789");
}

namespace {

struct EnterCase {
    const char *name;
    bool inTitle;
    Key key;
};

void PrintTo(const EnterCase &c, std::ostream *out) {
    *out << c.name;
}

class EditorEnter : public testing::TestWithParam<EnterCase> {};

}  // namespace

// The editor has no default button: Enter in a text box must not generate.
TEST_P(EditorEnter, PressesNoButton) {
    const EnterCase &c = GetParam();
    Forms forms;
    FillEditor(forms, "My Menu", {"Kick"});
    ShowCounter resultShown(&forms.Form_Generated);
    QSignalSpy generateClicked(forms.NewStyleMenuEditor.NewStyle_GenerateBtn,
                               &QPushButton::clicked);
    QLineEdit *box = c.inTitle ? forms.NewStyleMenuEditor.NewStyle_Title
                               : forms.NewStyleMenuEditor.NewStyle_MenuCommand;

    ModalScript script;
    script.when(&forms.NewStyleMenuEditor, [&] {
        box->setFocus();
        Press(box, c.key);
        EXPECT_EQ(QApplication::activeModalWidget(), &forms.NewStyleMenuEditor);
        forms.NewStyleMenuEditor.closeWindow();
    });
    script.run([&] { forms.NewStyleMenuEditor.exec(); });

    EXPECT_EQ(generateClicked.count(), 0);
    EXPECT_EQ(resultShown.count(), 0);
    EXPECT_EQ(forms.NewStyleMenuEditor.NewStyle_Title->text(), "My Menu");
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EditorEnter,
    testing::Values(EnterCase{"TitleReturn", true, {Qt::Key_Return, "\r"}},
                    EnterCase{"TitleEnter", true, {Qt::Key_Enter, "\r", Qt::KeypadModifier}},
                    EnterCase{"CommandReturn", false, {Qt::Key_Return, "\r"}},
                    EnterCase{"CommandEnter", false, {Qt::Key_Enter, "\r", Qt::KeypadModifier}}),
    [](const testing::TestParamInfo<EnterCase> &info) { return info.param.name; });
