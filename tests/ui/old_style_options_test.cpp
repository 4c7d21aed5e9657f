#include "app/forms.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/old_style_helpers.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

using namespace old_style_test;

namespace {

const QStringList kKickBanExit = {"1. Kick", "2. Ban", "0. Exit"};

// The options window as Continue in the coloured editor opens it, with the editor holding
// `lines` and the handled-keys field `preset` beforehand.
struct HarvestCase {
    const char *name;
    QStringList lines;
    QString preset;
    QString harvested;
};

void PrintTo(const HarvestCase &param, std::ostream *os) {
    *os << param.name;
}

class OldStyleHarvest : public ::testing::TestWithParam<HarvestCase> {};

}  // namespace

TEST_P(OldStyleHarvest, OptionsWindowOpensWithTheLinesFirstDigits) {
    const HarvestCase &harvest = GetParam();
    Forms forms;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;
    typeLines(forms.frm_OldStyleMenu.OldStyle_MenuEdit, harvest.lines);
    options.OldStyle_HandledKeys->setText(harvest.preset);
    options.OldStyle_AccessFlags->setCurrentIndex(5);

    QString keys;
    QString flag;
    ModalScript script;
    script
        .when(&forms.frm_OldStyleMenu,
              [&] { QTest::mouseClick(forms.frm_OldStyleMenu.Button5, Qt::LeftButton); })
        .when(&options, [&] {
            keys = options.OldStyle_HandledKeys->text();
            flag = options.OldStyle_AccessFlags->currentText();
            options.close();
        });
    runEditor(forms, script);

    ASSERT_TRUE(script.done()) << script.failure().toStdString();
    EXPECT_EQ(keys, harvest.harvested);
    EXPECT_EQ(flag, "ADMIN_ALL");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OldStyleHarvest,
    ::testing::Values(
        HarvestCase{"LeadingSpaces", {"  1. Kick", " 2. Ban", "0. Exit"}, "", "120"},
        HarvestCase{"LettersOnly", {"Kick", "Ban", "Exit"}, "", ""},
        HarvestCase{"DigitsLaterInTheLine", {"Kick 1", "x2", "-3"}, "", ""},
        HarvestCase{"EmptyAndBlankLinesSkipped", {"1. A", "", "   ", "2. B"}, "", "12"},
        HarvestCase{"EmptyEditorLeavesTheField", {}, "7", "7"},
        HarvestCase{"AppendedToWhatTheFieldHolds", {"1. Kick", "2. Ban"}, "5", "512"}),
    [](const ::testing::TestParamInfo<HarvestCase> &info) { return std::string(info.param.name); });

// The field is never cleared, so every showing adds the harvest again.
TEST(OldStyleHarvestRepeated, ShowingTheOptionsAgainAppendsTheDigitsAgain) {
    Forms forms;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;
    typeLines(forms.frm_OldStyleMenu.OldStyle_MenuEdit, kKickBanExit);

    QString first;
    ModalScript script;
    script
        .when(&forms.frm_OldStyleMenu,
              [&] { QTest::mouseClick(forms.frm_OldStyleMenu.Button5, Qt::LeftButton); })
        .when(&options, [&] {
            first = options.OldStyle_HandledKeys->text();
            options.close();
        });
    runEditor(forms, script);
    ASSERT_TRUE(script.done()) << script.failure().toStdString();
    EXPECT_EQ(first, "120");

    options.show();
    EXPECT_EQ(options.OldStyle_HandledKeys->text(), "120120");
    options.hide();
}

namespace {

// Input that Generate must refuse, and how it got into the handled-keys field: nothing at
// all, or pasted, since the key filter lets no such character be typed.
enum class Paste { Nothing, SetText, ShiftInsert };

struct RefusedCase {
    const char *name;
    QStringList lines;
    Paste paste;
    QString pasted;
    QString field;
    QString message;
};

void PrintTo(const RefusedCase &param, std::ostream *os) {
    *os << param.name;
}

class OldStyleGenerateRefused : public ::testing::TestWithParam<RefusedCase> {};

void paste(QLineEdit *field, Paste how, const QString &text) {
    switch (how) {
        case Paste::Nothing:
            break;
        case Paste::SetText:
            field->setText(text);
            break;
        case Paste::ShiftInsert:
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_End);
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
    }
}

}  // namespace

// A refused Generate shows the error box and leaves the window open with every input as it
// was; the result window never opens.
TEST_P(OldStyleGenerateRefused, ShowsTheErrorAndKeepsTheWindow) {
    const RefusedCase &refused = GetParam();
    Forms forms;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;
    QSignalSpy resultShown(&forms.Form_Generated, &QDialog::finished);
    typeLines(forms.frm_OldStyleMenu.OldStyle_MenuEdit, refused.lines);

    OptionsInputs before;
    OptionsInputs after;
    SeenMessageBox seen;
    ModalScript script;
    script
        .when(&forms.frm_OldStyleMenu,
              [&] { QTest::mouseClick(forms.frm_OldStyleMenu.Button5, Qt::LeftButton); })
        .when(&options,
              [&] {
                  paste(options.OldStyle_HandledKeys, refused.paste, refused.pasted);
                  options.OldStyle_AccessFlags->setCurrentIndex(3);
                  before = OptionsInputs::of(options);
                  QTest::mouseClick(options.OldStyle_GenerateBtn, Qt::LeftButton);
              })
        .whenMessageBox([&](QMessageBox *box) {
            seen = see(box);
            box->accept();
        })
        .when(&options, [&] {
            after = OptionsInputs::of(options);
            options.close();
        });
    runEditor(forms, script);

    ASSERT_TRUE(script.done()) << script.failure().toStdString();
    EXPECT_EQ(before.handledKeys, refused.field);
    expectErrorBox(seen, refused.message);
    EXPECT_EQ(after, before);
    EXPECT_EQ(resultShown.count(), 0);
    EXPECT_TRUE(forms.Form_Generated.PluginSource->toPlainText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OldStyleGenerateRefused,
    ::testing::Values(
        RefusedCase{"NothingHarvested", {"Kick", "Ban"}, Paste::Nothing, "", "", kNoKeysMessage},
        RefusedCase{"PastedSpaceOnly", {}, Paste::SetText, " ", " ", notAnIntegerMessage(" ")},
        RefusedCase{"SpacePastedBetweenDigits",
                    {"1. Kick"},
                    Paste::ShiftInsert,
                    " 2",
                    "1 2",
                    notAnIntegerMessage(" ")},
        RefusedCase{"LetterPastedAfterHarvest",
                    {"1. Kick", "2. Ban"},
                    Paste::ShiftInsert,
                    "ab",
                    "12ab",
                    notAnIntegerMessage("a")},
        RefusedCase{"DigitOfAnotherScript",
                    {},
                    Paste::SetText,
                    QStringLiteral("1\u0663"),
                    QStringLiteral("1\u0663"),
                    notAnIntegerMessage(QStringLiteral("\u0663"))},
        RefusedCase{"CharacterBeyondTheBasicPlane",
                    {},
                    Paste::SetText,
                    QStringLiteral("1\U0001F600"),
                    QStringLiteral("1\U0001F600"),
                    notAnIntegerMessage(QStringLiteral("\U0001F600"))}),
    [](const ::testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

// What typing does in the options window's text boxes.
TEST(OldStyleOptionsTyping, FieldsTakeOnlyWhatTheirFiltersLetThrough) {
    Forms forms;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;
    typeLines(forms.frm_OldStyleMenu.OldStyle_MenuEdit, kKickBanExit);
    options.show();
    QLineEdit *keys = options.OldStyle_HandledKeys;
    ASSERT_EQ(keys->text(), "120");

    QTest::keyClick(keys, Qt::Key_End);
    QTest::keyClicks(keys, "34");
    EXPECT_EQ(keys->text(), "12034") << "digits are typed after the harvested ones";
    QTest::keyClicks(keys, "a -.");
    EXPECT_EQ(keys->text(), "12034") << "only digits can be typed";
    QTest::keyClick(keys, Qt::Key_Backspace);
    EXPECT_EQ(keys->text(), "12034") << "Backspace erases nothing";
    QTest::keyClick(keys, Qt::Key_Home);
    QTest::keyClick(keys, Qt::Key_Delete);
    EXPECT_EQ(keys->text(), "2034") << "Delete erases";

    for (QLineEdit *identifier : {options.OldStyle_MenuName, options.OldStyle_Command}) {
        SCOPED_TRACE(identifier->objectName().toStdString());
        const QString text = identifier->text();
        QTest::keyClick(identifier, Qt::Key_End);
        QTest::keyClick(identifier, Qt::Key_Space);
        EXPECT_EQ(identifier->text(), text) << "a space cannot be typed";
        QTest::keyClicks(identifier, "_2");
        EXPECT_EQ(identifier->text(), text + "_2");
    }
    EXPECT_EQ(options.OldStyle_MenuName->text(), "My Menu_2") << "the default name keeps its space";
    options.hide();
}
