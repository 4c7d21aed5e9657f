#include "app/forms.h"
#include "generator/coloured_text.h"
#include "tests/ui/old_style_helpers.h"
#include "ui/colour_editor_reader.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

using namespace old_style_test;
using namespace orvane::MenuColour;

namespace {

// The coloured editor on its own, shown as the user sees it.
class OldStyleColourButtons : public ::testing::Test {
  protected:
    void SetUp() override { window.show(); }

    QString menuString() const { return window.GetOldStyleMenu(); }
    std::vector<std::string> lines() const { return describe(window.lines()); }

    // The buttons that can be pressed now, by name.
    std::vector<QString> disabledButtons() const {
        std::vector<QString> disabled;
        for (QPushButton *button :
             {window.sBitBtn1, window.Button2, window.Button3, window.Button4})
            if (!button->isEnabled()) disabled.push_back(button->objectName());
        return disabled;
    }

    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    QTextEdit *box = window.OldStyle_MenuEdit;
};

}  // namespace

TEST_F(OldStyleColourButtons, TextTypedBeforeAnyPressIsWhite) {
    EXPECT_EQ(disabledButtons(), std::vector<QString>{"sBitBtn1"});
    typeKeys(box, "1. Kick");
    EXPECT_EQ(lines(), std::vector<std::string>{R"("1. Kick" ffffff*7)"});
    EXPECT_EQ(menuString(), "\\w1. Kick^n");
}

// Each press sets the colour of what is typed next, leaves only the pressed button disabled
// and gives the focus back to the text box, whichever control had it.
TEST_F(OldStyleColourButtons, PressedButtonColoursTheFollowingTextAndStaysDisabled) {
    struct Press {
        QPushButton *button;
        const char *typed;
    };
    const Press presses[] = {{window.Button3, "red "},  {window.sBitBtn1, "white "},
                             {window.Button2, "yel "},  {window.Button4, "grey "},
                             {window.Button3, "red2 "}, {window.sBitBtn1, "end"}};
    for (const Press &press : presses) {
        SCOPED_TRACE(press.button->objectName().toStdString());
        window.Button5->setFocus();
        QTest::mouseClick(press.button, Qt::LeftButton);
        EXPECT_EQ(disabledButtons(), std::vector<QString>{press.button->objectName()});
        EXPECT_EQ(window.focusWidget(), box);
        typeKeys(box, press.typed);
    }
    EXPECT_EQ(lines(), std::vector<std::string>{R"("red white yel grey red2 end" ff0000*4 )"
                                                R"(ffffff*6 ffff00*4 808080*5 ff0000*5 ffffff*3)"});
    EXPECT_EQ(menuString(), "\\rred \\wwhite \\yyel \\dgrey \\rred2 \\wend^n");
}

TEST_F(OldStyleColourButtons, PressWithASelectionRecoloursOnlyTheSelection) {
    typeKeys(box, "1. Kick\n2. Ban");
    // "Ban", selected backwards from the end as with Shift+Left.
    for (int i = 0; i < 3; ++i) QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::mouseClick(window.Button2, Qt::LeftButton);

    EXPECT_EQ(box->textCursor().selectedText(), "Ban");
    EXPECT_EQ(window.focusWidget(), box);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{R"("1. Kick" ffffff*7)", R"("2. Ban" ffffff*3 ffff00*3)"}));
    EXPECT_EQ(menuString(), "\\w1. Kick^n2. \\yBan^n");
}

// How the box's contents become lines: what typing and line breaks give, shown or not.
namespace {

struct TypedText {
    const char *name;
    QString keys;  // '\n' Enter, U+2028 Shift+Enter
    size_t lineCount;
    QString menuString;
};

void PrintTo(const TypedText &param, std::ostream *os) {
    *os << param.name;
}

class OldStyleEditorLines : public ::testing::TestWithParam<TypedText> {};

}  // namespace

TEST_P(OldStyleEditorLines, ReadTheSameBeforeAndAfterTheBoxIsShown) {
    const TypedText &typed = GetParam();
    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    typeKeys(window.OldStyle_MenuEdit, typed.keys);

    const orvane::ColouredText unshown = window.lines();
    EXPECT_EQ(unshown.size(), typed.lineCount);
    EXPECT_EQ(window.GetOldStyleMenu(), typed.menuString);

    window.show();
    EXPECT_EQ(describe(window.lines()), describe(unshown));
    EXPECT_EQ(window.GetOldStyleMenu(), typed.menuString);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, OldStyleEditorLines,
    ::testing::Values(TypedText{"Nothing", "", 0, ""},
                      TypedText{"OneLine", "1. Start", 1, "\\w1. Start^n"},
                      TypedText{"TwoLines", "1. A\n2. B", 2, "\\w1. A^n2. B^n"},
                      TypedText{"EmptyLineBetween", "1. A\n\n2. B", 3, "\\w1. A^n^n2. B^n"},
                      TypedText{"FinalEnter", "1. A\n", 1, "\\w1. A^n"},
                      TypedText{"FinalEnterAfterAnEmptyLine", "1. A\n\n", 2, "\\w1. A^n^n"},
                      TypedText{"OnlyEnter", "\n", 1, "^n"},
                      TypedText{"ShiftEnterBetween", QStringLiteral("1. A\u20282. B"), 2,
                                "\\w1. A^n2. B^n"},
                      TypedText{"FinalShiftEnter", QStringLiteral("1. A\u2028"), 1, "\\w1. A^n"},
                      TypedText{"QuotesAndCarets", "\"%s\" ^n 100%", 1, "\\w\"%s\" ^n 100%^n"}),
    [](const ::testing::TestParamInfo<TypedText> &info) { return std::string(info.param.name); });

namespace {

const QString kParagraph = QStringLiteral(
    "Kick the player you point at from the server, and ban him for an hour when he comes "
    "back within a minute, unless an admin with immunity has vouched for him in chat; the "
    "other players see a message naming both of them.");

void expectWrapped(const orvane::ColouredText &lines) {
    EXPECT_GT(lines.size(), 1u);
    EXPECT_EQ(joinedText(lines), kParagraph);
    for (const orvane::ColouredLine &line : lines)
        EXPECT_EQ(line.colours, std::vector<orvane::Rgb>(size_t(line.text.size()), White))
            << describe(line);
}

}  // namespace

// A paragraph counts as the lines the box wraps it into. Break positions depend on the font,
// so only the shape is checked: the lines give back the paragraph, a narrower box more of
// them, and the box's current width decides even when it changed while hidden.
TEST(OldStyleEditorWrapping, LongParagraphIsReadAsTheLinesOnScreen) {
    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    QTextEdit *box = window.OldStyle_MenuEdit;
    typeKeys(box, kParagraph);

    const orvane::ColouredText unshown = window.lines();
    expectWrapped(unshown);
    QStringList texts;
    for (const orvane::ColouredLine &line : unshown) texts << line.text;
    EXPECT_EQ(window.GetOldStyleMenu(), "\\w" + texts.join("^n") + "^n");

    window.show();
    const orvane::ColouredText wide = window.lines();
    EXPECT_EQ(describe(wide), describe(unshown));

    box->resize(box->width() / 2, box->height());
    const orvane::ColouredText narrow = window.lines();
    expectWrapped(narrow);
    EXPECT_GT(narrow.size(), wide.size());

    window.hide();
    box->resize(box->width() * 2, box->height());
    EXPECT_EQ(describe(window.lines()), describe(wide));
}

// Text can reach the box with formats the colour buttons never made, by pasting for one.
TEST(OldStyleEditorColours, CharacterWithoutAColourReadsAsTheBoxTextColour) {
    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    QTextCursor cursor(window.OldStyle_MenuEdit->document());
    cursor.insertText("a", QTextCharFormat());
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.insertText("b", red);
    cursor.insertText("c", QTextCharFormat());

    EXPECT_EQ(describe(window.lines()),
              std::vector<std::string>{R"("abc" ffffff*1 ff0000*1 ffffff*1)"});
    EXPECT_EQ(window.GetOldStyleMenu(), "\\wa\\rb\\wc^n");
}
