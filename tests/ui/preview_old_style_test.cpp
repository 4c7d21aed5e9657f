// The coloured editor's byte counter and its preview: both follow the text as it is typed
// and recoloured; the preview marks what the game cuts and answers the keys of the mask.
#include "app/forms.h"
#include "game/client_screen.h"
#include "tests/ui/old_style_helpers.h"
#include "tests/ui/preview_helpers.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace old_style_test;
using namespace preview_test;

namespace {

class OldStylePreview : public ::testing::Test {
  protected:
    void SetUp() override { window.show(); }

    void openPreview() { QTest::mouseClick(window.OldStyle_PreviewBtn, Qt::LeftButton); }
    QString counter() const { return window.OldStyle_MenuBytes->text(); }
    bool counterIsRed() const {
        const QColor colour = window.OldStyle_MenuBytes->palette().color(QPalette::WindowText);
        return colour.red() >= 150 && colour.green() < 80 && colour.blue() < 80;
    }

    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    QTextEdit *box = window.OldStyle_MenuEdit;
    TMenuPreview &preview = forms.MenuPreview;
};

// Lines of 30 Cyrillic letters: 60 bytes each, and one byte for each line's ^n.
QString RussianLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines.append(QString(30, QChar(u'д')));
    return lines.join(u'\n');
}

QString LatinLines(int count, int lastLength) {
    QStringList lines;
    for (int i = 0; i + 1 < count; ++i) lines.append(QString(50, u'a'));
    lines.append(QString(lastLength, u'a'));
    return lines.join(u'\n');
}

struct CounterCase {
    const char *name;
    QString typed;
    QString counter;
    bool red;
};

void PrintTo(const CounterCase &c, std::ostream *os) {
    *os << c.name;
}

class OldStyleByteCounter : public ::testing::TestWithParam<CounterCase> {};

}  // namespace

// The counter is what show_menu sends: the \w of the first colour, the letters' UTF-8 bytes
// and one line feed a line.
TEST_P(OldStyleByteCounter, CountsTheMenuBytesAndTurnsRedOver511) {
    const CounterCase &c = GetParam();
    Forms forms;
    forms.frm_OldStyleMenu.show();
    TypeText(forms.frm_OldStyleMenu.OldStyle_MenuEdit, c.typed);
    QLabel *label = forms.frm_OldStyleMenu.OldStyle_MenuBytes;
    EXPECT_EQ(label->text(), c.counter);
    const QColor colour = label->palette().color(QPalette::WindowText);
    EXPECT_EQ(colour.red() >= 150 && colour.green() < 80 && colour.blue() < 80, c.red)
        << colour.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OldStyleByteCounter,
    ::testing::Values(
        CounterCase{"Empty", QString(), QStringLiteral("0 of 511 bytes"), false},
        CounterCase{"OneLine", QStringLiteral("1. Kick"), QStringLiteral("10 of 511 bytes"), false},
        CounterCase{"Exactly511", LatinLines(10, 49), QStringLiteral("511 of 511 bytes"), false},
        CounterCase{"Just512", LatinLines(10, 50), QStringLiteral("512 of 511 bytes"), true},
        CounterCase{"NineRussianLines", RussianLines(9), QStringLiteral("551 of 511 bytes"), true}),
    [](const ::testing::TestParamInfo<CounterCase> &info) { return std::string(info.param.name); });

TEST_F(OldStylePreview, CounterFollowsDeletionAndRecolouring) {
    typeKeys(box, LatinLines(10, 50));
    EXPECT_TRUE(counterIsRed());
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(counter(), QStringLiteral("511 of 511 bytes"));
    EXPECT_FALSE(counterIsRed());

    // A red last letter costs a \r code: two bytes more.
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::mouseClick(window.Button3, Qt::LeftButton);
    EXPECT_EQ(counter(), QStringLiteral("513 of 511 bytes"));
    EXPECT_TRUE(counterIsRed());
}

TEST_F(OldStylePreview, FollowsTypingAndRecolouring) {
    openPreview();
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.parentWidget(), &window);

    typeKeys(box, "1. Kick\n2. Ban");
    EXPECT_EQ(ShownLines(preview).mid(0, 2), (QStringList{"1. Kick", "2. Ban"}));
    EXPECT_EQ(TextInColour(preview, orvane::GameColour::White), QStringLiteral("1. Kick2. Ban"));

    // "Ban", selected backwards from the end, turns red.
    for (int i = 0; i < 3; ++i) QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::mouseClick(window.Button3, Qt::LeftButton);
    EXPECT_EQ(TextInColour(preview, orvane::GameColour::Red), QStringLiteral("Ban"));
    EXPECT_EQ(ShownLines(preview).mid(0, 2), (QStringList{"1. Kick", "2. Ban"}));
    EXPECT_EQ(preview.MenuPreview_Status->text(), QStringLiteral("Page 1/1 · 19 of 511 bytes"));
}

// Nine lines of 30 Russian letters are 551 bytes: the game keeps 511 of them, and the preview
// shows the rest struck through and says why.
TEST_F(OldStylePreview, MarksWhatTheGameCuts) {
    openPreview();
    EXPECT_TRUE(preview.MenuPreview_CutReason->isHidden());
    TypeText(box, RussianLines(9));

    EXPECT_TRUE(AnyRunCut(preview, orvane::ScreenCut::MenuOver511Bytes));
    EXPECT_FALSE(preview.MenuPreview_CutReason->isHidden());
    EXPECT_TRUE(preview.MenuPreview_CutReason->text().contains(QStringLiteral("511")));
    EXPECT_EQ(preview.MenuPreview_Status->text(), QStringLiteral("Page 1/1 · 551 of 511 bytes"));
    const QStringList shown = ShownLines(preview);
    ASSERT_EQ(shown.size(), 9);
    EXPECT_EQ(shown.first(), QString(30, QChar(u'д')));
    EXPECT_LT(shown.last().size(), 30);

    // Deleting the last line brings the menu back under the limit.
    for (int i = 0; i < 31; ++i) QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_FALSE(AnyRunCut(preview, orvane::ScreenCut::MenuOver511Bytes));
    EXPECT_TRUE(preview.MenuPreview_CutReason->isHidden());
}

// The keys are those the options window will take from the lines: 1, 2 and 0 here. Key 1
// reaches case 0 and key 0 case 9; a key outside the mask changes nothing.
TEST_F(OldStylePreview, KeysOfTheMaskReachTheirCase) {
    typeKeys(box, "1. Kick\n2. Ban\n0. Exit");
    openPreview();
    const struct {
        char key;
        QString keyResult;
    } rows[] = {{'1', QStringLiteral("→ case 0")},
                {'0', QStringLiteral("→ case 9")},
                {'5', QStringLiteral("→ case 9")},
                {'2', QStringLiteral("→ case 1")},
                {'9', QStringLiteral("→ case 1")}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("key ") + row.key);
        PressMenuKey(preview, row.key);
        EXPECT_EQ(preview.MenuPreview_KeyResult->text(), row.keyResult);
        EXPECT_EQ(preview.currentPage(), 0);
        EXPECT_EQ(ShownLines(preview).mid(0, 3), (QStringList{"1. Kick", "2. Ban", "0. Exit"}));
    }
}

// The preview of the old style is opened from the editor that the start window runs modally.
TEST(OldStylePreviewModal, TakesKeysWhileTheEditorRunsModally) {
    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    QString afterKey;

    ModalScript script;
    script.when(&window, [&] {
        typeKeys(window.OldStyle_MenuEdit, "1. Kick\n2. Ban");
        QTest::mouseClick(window.OldStyle_PreviewBtn, Qt::LeftButton);
        QApplication::processEvents();
        PressMenuKey(forms.MenuPreview, '2');
        afterKey = forms.MenuPreview.MenuPreview_KeyResult->text();
        window.close();
    });
    runEditor(forms, script);
    EXPECT_EQ(afterKey, QStringLiteral("→ case 1"));
}
