// Pasted line breaks in the one-line boxes: every break kind through every paste path, in
// every one-line box of the editors. A break inside a box would end up inside a string
// literal of the generated plugin.
#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"
#include "tests/ui/paste_paths.h"
#include "ui/one_line_text.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <tuple>

using namespace new_style_test;
using paste_paths::Path;

namespace {

struct LineBreak {
    const char *name;
    QString text;
};

const LineBreak kBreaks[] = {{"LF", QStringLiteral("\n")},
                             {"CR", QStringLiteral("\r")},
                             {"CRLF", QStringLiteral("\r\n")},
                             {"LineSeparator", QString(QChar::LineSeparator)},
                             {"ParagraphSeparator", QString(QChar::ParagraphSeparator)}};

struct OneLineBox {
    const char *name;
    QLineEdit *(*find)(Forms &);
    QWidget *(*window)(Forms &);
    bool keyFiltered;
    QString words[2];  // what the box may hold; the filter lets each be typed
};

const OneLineBox kBoxes[] = {
    {"NewStyle_Title",
     [](Forms &f) { return f.NewStyleMenuEditor.NewStyle_Title; },
     [](Forms &f) -> QWidget * { return &f.NewStyleMenuEditor; },
     false,
     {QStringLiteral("Моё"), QStringLiteral("меню")}},
    {"NewStyle_MenuCommand",
     [](Forms &f) { return f.NewStyleMenuEditor.NewStyle_MenuCommand; },
     [](Forms &f) -> QWidget * { return &f.NewStyleMenuEditor; },
     true,
     {QStringLiteral("my"), QStringLiteral("menu")}},
    {"OldStyle_MenuName",
     [](Forms &f) { return f.frm_OldStyleOptions.OldStyle_MenuName; },
     [](Forms &f) -> QWidget * { return &f.frm_OldStyleOptions; },
     true,
     {QStringLiteral("My"), QStringLiteral("Menu")}},
    {"OldStyle_Command",
     [](Forms &f) { return f.frm_OldStyleOptions.OldStyle_Command; },
     [](Forms &f) -> QWidget * { return &f.frm_OldStyleOptions; },
     true,
     {QStringLiteral("my"), QStringLiteral("menu")}},
    {"OldStyle_HandledKeys",
     [](Forms &f) { return f.frm_OldStyleOptions.OldStyle_HandledKeys; },
     [](Forms &f) -> QWidget * { return &f.frm_OldStyleOptions; },
     true,
     {QStringLiteral("12"), QStringLiteral("0")}},
};

// Ctrl+V pastes nothing in a filtered box, and an input method's commit is typing, which the
// filter refuses as a whole when a character of it may not be typed.
bool PathPastesInto(const OneLineBox &box, Path path) {
    return !box.keyFiltered || (path != Path::CtrlV && path != Path::InputMethod);
}

using BoxCase = std::tuple<OneLineBox, LineBreak, Path>;

class OneLinePaste : public testing::TestWithParam<BoxCase> {};

}  // namespace

TEST_P(OneLinePaste, EachBreakBecomesASpace) {
    const auto &[box, lineBreak, path] = GetParam();
    Forms forms;
    QWidget *window = box.window(forms);
    window->show();
    QLineEdit *edit = box.find(forms);
    edit->clear();
    edit->setFocus();
    const QString pasted = box.words[0] + lineBreak.text + box.words[1] + lineBreak.text;

    ASSERT_TRUE(paste_paths::Paste(edit, path, pasted));

    const QString expected =
        PathPastesInto(box, path) ? box.words[0] + u' ' + box.words[1] + u' ' : QString();
    EXPECT_EQ(edit->text(), expected);
    EXPECT_EQ(edit->cursorPosition(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(EveryBoxBreakAndPath, OneLinePaste,
                         testing::Combine(testing::ValuesIn(kBoxes), testing::ValuesIn(kBreaks),
                                          testing::ValuesIn(paste_paths::kAll)),
                         [](const testing::TestParamInfo<BoxCase> &info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name + "_" +
                                    paste_paths::Name(std::get<2>(info.param));
                         });

TEST(OneLinePaste, PastingInTheMiddleKeepsTheRestAndPutsTheCaretAfterThePaste) {
    Forms forms;
    forms.NewStyleMenuEditor.show();
    QLineEdit *title = forms.NewStyleMenuEditor.NewStyle_Title;
    title->setText(QStringLiteral("[]"));
    title->setFocus();
    title->setCursorPosition(1);

    paste_paths::Paste(title, Path::ShiftInsert, QStringLiteral("a\r\nb\n\nc"));

    EXPECT_EQ(title->text(), "[a b  c]");
    EXPECT_EQ(title->cursorPosition(), 7);
}

TEST(OneLinePaste, SetTextKeepsTheBoxOnOneLineToo) {
    Forms forms;
    forms.frm_OldStyleOptions.OldStyle_MenuName->setText(QStringLiteral("My\r\nMenu"));
    EXPECT_EQ(forms.frm_OldStyleOptions.OldStyle_MenuName->text(), "My Menu");
}

// The title is where a pasted break used to reach the plugin: its string literal broke in two.
TEST(OneLinePaste, APastedTitleWithABreakGivesOneStringLiteral) {
    Forms forms;
    forms.NewStyleMenuEditor.show();
    QLineEdit *title = forms.NewStyleMenuEditor.NewStyle_Title;
    title->setFocus();
    paste_paths::Paste(title, Path::CtrlV, QStringLiteral("My\r\nMenu"));
    forms.NewStyleMenuEditor.NewStyle_Items->addItem(QStringLiteral("Kick"));
    orvane::SetCurrentMenu(0);

    forms.Form_Generated.show();

    const QStringList lines = forms.Form_Generated.SourceLines().split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("       new i_Menu = menu_create(\"My Menu\", \"menu_handler\");")))
        << forms.Form_Generated.SourceLines().toStdString();
    forms.Form_Generated.hide();
}

namespace {

struct TextCase {
    const char *name;
    QString text;
    QString joined;
    QStringList lines;
};

void PrintTo(const TextCase &c, std::ostream *out) {
    *out << c.name;
}

class LineBreakText : public testing::TestWithParam<TextCase> {};

}  // namespace

TEST_P(LineBreakText, JoinsAndSplitsAtEveryBreak) {
    EXPECT_EQ(JoinedLines(GetParam().text), GetParam().joined);
    EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreakText,
    testing::Values(TextCase{"Empty", "", "", {""}}, TextCase{"OneLine", "Kick", "Kick", {"Kick"}},
                    TextCase{"CrLfIsOneBreak", "a\r\nb", "a b", {"a", "b"}},
                    TextCase{"LfCrIsTwoBreaks", "a\n\rb", "a  b", {"a", "", "b"}},
                    TextCase{"EveryKind",
                             QStringLiteral("a\nb\rc") + QChar::LineSeparator + u'd' +
                                 QChar::ParagraphSeparator + u'e',
                             "a b c d e",
                             {"a", "b", "c", "d", "e"}},
                    TextCase{"BreakAtBothEnds", "\r\nKick\r\n", " Kick ", {"", "Kick", ""}},
                    TextCase{"LoneCrAtTheEnd", "a\r", "a ", {"a", ""}},
                    TextCase{"OtherControlCharactersStay", "a\tb\x0b", "a\tb\x0b", {"a\tb\x0b"}}),
    [](const testing::TestParamInfo<TextCase> &info) { return info.param.name; });
