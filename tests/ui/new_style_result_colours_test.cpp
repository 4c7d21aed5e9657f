// Pawn syntax colours in the result box: what is coloured how, on light and dark palettes, as
// the source is shown, scrolled and edited; and the text itself stays as generated.
#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/new_style_helpers.h"
#include "ui/pawn_highlighter.h"
#include "ui/pawn_syntax.h"
#include "ui/result_text.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <cmath>
#include <utility>
#include <vector>

using namespace new_style_test;

namespace {

using Expected = std::vector<std::pair<QString, PawnToken>>;

struct LineCase {
    const char *name;
    QString line;
    bool inCommentBefore;
    Expected spans;  // each span's text and kind, in order
    bool inCommentAfter;
};

void PrintTo(const LineCase &c, std::ostream *out) {
    *out << c.name;
}

const char *KindName(PawnToken kind) {
    switch (kind) {
        case PawnToken::Preprocessor:
            return "preprocessor";
        case PawnToken::Keyword:
            return "keyword";
        case PawnToken::String:
            return "string";
        case PawnToken::Number:
            return "number";
        case PawnToken::Comment:
            return "comment";
    }
    return "?";
}

// "kind:text" for each span, so that a failure shows what was coloured how.
QStringList Describe(QStringView line, qsizetype offset, const std::vector<PawnSpan> &spans) {
    QStringList described;
    for (const PawnSpan &span : spans)
        described.append(QString::fromLatin1(KindName(span.kind)) + u':' +
                         line.sliced(span.start - offset, span.length).toString());
    return described;
}

class PawnLine : public testing::TestWithParam<LineCase> {};

}  // namespace

TEST_P(PawnLine, ColoursEachKindOfSource) {
    const LineCase &c = GetParam();
    const QString padded = QStringLiteral("....") + c.line;
    bool inComment = c.inCommentBefore;
    std::vector<PawnSpan> spans;

    ScanPawnLine(QStringView(padded).sliced(4), 4, inComment, spans);

    QStringList expected;
    for (const auto &[text, kind] : c.spans)
        expected.append(QString::fromLatin1(KindName(kind)) + u':' + text);
    EXPECT_EQ(Describe(c.line, 4, spans), expected);
    EXPECT_EQ(inComment, c.inCommentAfter);
}

using enum PawnToken;

INSTANTIATE_TEST_SUITE_P(
    Lines, PawnLine,
    testing::Values(
        LineCase{
            "Include", "#include <amxmodx>", false, {{"#include <amxmodx>", Preprocessor}}, false},
        LineCase{"DefineWithString",
                 "#define PLUGIN \"New Plug-In\"",
                 false,
                 {{"#define PLUGIN \"New Plug-In\"", Preprocessor}, {"\"New Plug-In\"", String}},
                 false},
        LineCase{"IndentedDirectiveWithNumberAndComment",
                 "  #define MAX 10 // most",
                 false,
                 {{"#define MAX 10 // most", Preprocessor}, {"// most", Comment}},
                 false},
        LineCase{"HashLaterInTheLineIsNoDirective",
                 "x = 1 # 2",
                 false,
                 {{"1", Number}, {"2", Number}},
                 false},
        LineCase{"Keyword", "public plugin_init() {", false, {{"public", Keyword}}, false},
        LineCase{"KeywordsAndStrings",
                 "new i_Menu = menu_create(\"My Menu\", \"menu_handler\");",
                 false,
                 {{"new", Keyword}, {"\"My Menu\"", String}, {"\"menu_handler\"", String}},
                 false},
        LineCase{"KeywordsOnlyAsWholeWords", "newer renew new_x @new", false, {}, false},
        LineCase{"NumbersAndKeywords",
                 "if( item < 0 ) return PLUGIN_CONTINUE;",
                 false,
                 {{"if", Keyword}, {"0", Number}, {"return", Keyword}},
                 false},
        LineCase{"CaretEscapes",
                 "client_print(id, print_chat, \"^\"q^\" ^^\"); x = 2",
                 false,
                 {{"\"^\"q^\" ^^\"", String}, {"2", Number}},
                 false},
        LineCase{"BackslashEscapesNothing",
                 "s = \"a\\\" new",
                 false,
                 {{"\"a\\\"", String}, {"new", Keyword}},
                 false},
        LineCase{"CharacterLiterals",
                 "c = 'a' + '^'' + 'q",
                 false,
                 {{"'a'", String}, {"'^''", String}, {"'q", String}},
                 false},
        LineCase{"NumberForms",
                 "x = 0x1F + 0b101 + 1.5e-3 + 1_000 + 12",
                 false,
                 {{"0x1F", Number},
                  {"0b101", Number},
                  {"1.5e-3", Number},
                  {"1_000", Number},
                  {"12", Number}},
                 false},
        LineCase{
            "DigitsInsideNamesAreNoNumbers", "i_Menu2 = cmd3[2]", false, {{"2", Number}}, false},
        LineCase{"LineComment",
                 "x = 1; // new \"no string\" /* no block",
                 false,
                 {{"1", Number}, {"// new \"no string\" /* no block", Comment}},
                 false},
        LineCase{"CommentMarksInsideAString",
                 "s = \"// /* x\"; new",
                 false,
                 {{"\"// /* x\"", String}, {"new", Keyword}},
                 false},
        LineCase{"BlockCommentsInALine",
                 "a /* new */ b /* open",
                 false,
                 {{"/* new */", Comment}, {"/* open", Comment}},
                 true},
        LineCase{"CommentGoesOn", "still new", true, {{"still new", Comment}}, true},
        LineCase{
            "CommentEnds", "still */ new", true, {{"still */", Comment}, {"new", Keyword}}, false},
        LineCase{
            "NoDirectiveInsideAComment", "#define X */", true, {{"#define X */", Comment}}, false},
        LineCase{"EmptyLine", "", false, {}, false},
        LineCase{"EmptyLineInAComment", "", true, {}, true}),
    [](const testing::TestParamInfo<LineCase> &info) { return info.param.name; });

namespace {

// The colour the box draws the character at `position` in, or an invalid colour for the
// box's plain text colour.
QColor ColourAt(const QPlainTextEdit &box, qsizetype position) {
    const QTextBlock block = box.document()->findBlock(int(position));
    const qsizetype inBlock = position - block.position();
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (inBlock >= range.start && inBlock < range.start + range.length &&
            range.format.hasProperty(QTextFormat::ForegroundBrush))
            return range.format.foreground().color();
    }
    return {};
}

// Where `text` starts in the box, counting the paragraph ends and line separators as one
// character each, as the document does.
qsizetype PositionOf(const QPlainTextEdit &box, const QString &text, qsizetype from = 0) {
    return box.document()->toRawText().indexOf(text, from);
}

// Draws the box now, scrolled so that `position` is on screen.
void ShowPosition(QPlainTextEdit &box, qsizetype position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(int(position));
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
    box.viewport()->repaint();
}

QColor Expect(const QPlainTextEdit &box, PawnToken kind) {
    return PawnColoursFor(box.palette()).of(kind);
}

class ResultColours : public testing::Test {
  protected:
    void SetUp() override {
        FillEditor(forms, QStringLiteral("My Menu"),
                   {QStringLiteral("Kick"), QStringLiteral("Ban"), QStringLiteral("Exit")});
        orvane::SetCurrentMenu(0);
        window.show();
        QApplication::processEvents();
        generated = window.SourceLines();
    }
    void TearDown() override { window.hide(); }

    // The colour of the first character of `text` (or of the `at`th character of it), after
    // scrolling it into view.
    QColor ColourOf(const QString &text, qsizetype at = 0) {
        const qsizetype position = PositionOf(box, text);
        EXPECT_GE(position, 0) << text.toStdString();
        ShowPosition(box, position + at);
        return ColourAt(box, position + at);
    }

    Forms forms;
    TForm_Generated &window = forms.Form_Generated;
    QPlainTextEdit &box = *window.PluginSource;
    QString generated;
};

}  // namespace

TEST_F(ResultColours, GeneratedSourceIsColouredByKind) {
    EXPECT_EQ(ColourOf("#include <amxmodx>"), Expect(box, Preprocessor));
    EXPECT_EQ(ColourOf("public cmdMenu"), Expect(box, Keyword));
    EXPECT_EQ(ColourOf("\"My Menu\""), Expect(box, String));
    EXPECT_EQ(ColourOf("\"My Menu\"", 4), Expect(box, String));
    EXPECT_EQ(ColourOf("menu_display(id, i_Menu, 0)", 25), Expect(box, Number));
    EXPECT_FALSE(ColourOf("menu_display").isValid());
}

// Copy and Save as take the text, never the colours.
TEST_F(ResultColours, TheTextStaysAsGenerated) {
    ColourOf("#include");
    ColourOf("return PLUGIN_HANDLED");
    EXPECT_EQ(window.SourceLines(), TextWithLineEnds(*box.document()));
    QTest::mouseClick(window.Generated_CopyBtn, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), window.SourceLines());
    EXPECT_EQ(window.SourceLines(), generated);
    EXPECT_TRUE(generated.contains(QStringLiteral("menu_create(\"My Menu\", \"menu_handler\")")));
}

TEST_F(ResultColours, EditsAreRecolouredAsTheUserTypes) {
    const qsizetype line = PositionOf(box, "public cmdMenu");
    ShowPosition(box, line);
    QTest::keyClicks(&box, "// ");
    box.viewport()->repaint();
    EXPECT_EQ(ColourAt(box, line + 3), Expect(box, Comment));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "new i_Menu")), Expect(box, Keyword));

    // An open block comment reaches into every line after it, also in later paragraphs.
    ShowPosition(box, 0);
    QTest::keyClicks(&box, "/*");
    EXPECT_EQ(ColourOf("#define PLUGIN"), Expect(box, Comment));
    EXPECT_EQ(ColourOf("return PLUGIN_HANDLED"), Expect(box, Comment));

    // At the end of the line before.
    ShowPosition(box, PositionOf(box, "#define VERSION") - 1);
    QTest::keyClicks(&box, "*/");
    EXPECT_EQ(ColourOf("#define VERSION"), Expect(box, Preprocessor));
    EXPECT_EQ(ColourOf("return PLUGIN_HANDLED"), Expect(box, Keyword));
    EXPECT_EQ(ColourOf("#define PLUGIN"), Expect(box, Comment));
}

TEST_F(ResultColours, FollowsTheBoxPaletteWhenItChanges) {
    QPalette dark = box.palette();
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    const QColor lightKeyword = ColourOf("public cmdMenu");

    box.setPalette(dark);

    EXPECT_EQ(ColourOf("public cmdMenu"), PawnColoursFor(dark).of(Keyword));
    EXPECT_NE(ColourOf("public cmdMenu"), lightKeyword);
}

namespace {

// WCAG contrast ratio of two colours, 1 to 21.
double Contrast(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Background {
    const char *name;
    QColor base;
};

void PrintTo(const Background &c, std::ostream *out) {
    *out << c.name;
}

class ColoursOn : public testing::TestWithParam<Background> {};

}  // namespace

TEST_P(ColoursOn, AreReadableAndTellTheKindsApart) {
    QPalette palette;
    palette.setColor(QPalette::Base, GetParam().base);
    const PawnColours colours = PawnColoursFor(palette);
    for (size_t k = 0; k < colours.byToken.size(); ++k) {
        SCOPED_TRACE(KindName(PawnToken(k)));
        EXPECT_GE(Contrast(colours.byToken[k], GetParam().base), 4.5);
        for (size_t other = 0; other < k; ++other)
            EXPECT_NE(colours.byToken[k], colours.byToken[other]);
    }
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, ColoursOn,
                         testing::Values(Background{"White", Qt::white},
                                         Background{"LightGrey", QColor(0xF0, 0xF0, 0xF0)},
                                         Background{"Cream", QColor(0xFF, 0xF8, 0xE7)},
                                         Background{"DarkGrey", QColor(0x2B, 0x2B, 0x2B)},
                                         Background{"Charcoal", QColor(0x1E, 0x1E, 0x1E)},
                                         Background{"Black", Qt::black},
                                         Background{"Navy", QColor(0x00, 0x1B, 0x33)}),
                         [](const testing::TestParamInfo<Background> &info) {
                             return std::string(info.param.name);
                         });

namespace {

class ColouredBox : public testing::Test {
  protected:
    void SetUp() override {
        box.resize(400, 200);
        new PawnHighlighter(&box);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    void Insert(const QString &text) {
        QTextCursor(box.document()).insertText(text);
        box.viewport()->repaint();
    }
    QPlainTextEdit box;
};

}  // namespace

// The result box keeps 32 source lines in a paragraph, joined by line separators: each is a
// line of its own for the colours.
TEST_F(ColouredBox, LinesJoinedByLineSeparatorsAreColouredEachOnItsOwn) {
    const QChar ls = QChar::LineSeparator;
    Insert(QStringLiteral("x = 1 // note") + ls + "new y" + ls + "#define Z 2" + ls + "s = \"a" +
           ls + "return /* open" + ls + "still new" + u'\n' + "in next paragraph" + ls + "*/ new");

    EXPECT_EQ(ColourAt(box, PositionOf(box, "// note")), Expect(box, Comment));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "new y")), Expect(box, Keyword));
    EXPECT_FALSE(ColourAt(box, PositionOf(box, "y")).isValid());
    EXPECT_EQ(ColourAt(box, PositionOf(box, "#define Z")), Expect(box, Preprocessor));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "\"a")), Expect(box, String));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "return")), Expect(box, Keyword));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "still new") + 6), Expect(box, Comment));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "in next")), Expect(box, Comment));
    EXPECT_EQ(ColourAt(box, PositionOf(box, "*/ new") + 3), Expect(box, Keyword));
}

// A long source is coloured where it is shown: every place the user scrolls to is coloured,
// and a comment opened far above still reaches it.
TEST_F(ColouredBox, EveryPlaceScrolledToIsColoured) {
    QStringList lines;
    for (int k = 0; k < 3000; ++k) lines.append(QStringLiteral("new line%1 = %1;").arg(k));
    lines[1000] = QStringLiteral("/* from here");
    lines[2000] = QStringLiteral("to here */");
    QString source;
    for (const QString &line : lines) source += line + QStringLiteral("\r\n");
    Insert(TextForDisplay(source));

    for (const int k : {2999, 0, 500, 1500, 2500, 1001, 1999, 2001}) {
        SCOPED_TRACE(k);
        const qsizetype position = PositionOf(box, QStringLiteral("new line%1 ").arg(k));
        ASSERT_GE(position, 0);
        ShowPosition(box, position);
        const bool commented = k > 1000 && k < 2000;
        EXPECT_EQ(ColourAt(box, position), Expect(box, commented ? Comment : Keyword));
        EXPECT_EQ(ColourAt(box, position + QStringLiteral("new line%1 = ").arg(k).size()),
                  Expect(box, commented ? Comment : Number));
    }
}
