// The question before generating a plugin that would break: it lists the problems; No leaves
// every input as it was and stays, Yes generates; an ordinary menu never sees it.
#include "app/forms.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/old_style_helpers.h"
#include "tests/ui/preview_helpers.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

namespace {

QStringList ItemTexts(const QListWidget &list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts.append(list.item(row)->text());
    return texts;
}

enum class Answer { None, No, Yes };

struct QuestionCase {
    const char *name;
    QString title;  // new style; the old style types `menuText` instead
    QString menuText;
    Answer answer;  // None: no question is expected
};

void PrintTo(const QuestionCase &c, std::ostream *os) {
    *os << c.name;
}

// What the question showed and what the user answered.
struct SeenQuestion {
    bool asked = false;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

void answer(QMessageBox *box, Answer answer, SeenQuestion &seen) {
    seen = {true, box->text(), box->standardButtons(), box->standardButton(box->defaultButton())};
    QTest::mouseClick(box->button(answer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No),
                      Qt::LeftButton);
}

void expectQuestion(const SeenQuestion &seen) {
    EXPECT_TRUE(seen.asked);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    // Enter alone must not generate a broken plugin.
    EXPECT_EQ(seen.defaultButton, QMessageBox::No);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Generate it anyway?")))
        << seen.text.toStdString();
}

// Nine lines of 30 Russian letters: 551 bytes, of which the game shows 511.
const QString kCutMenu = [] {
    QStringList lines;
    for (int i = 1; i <= 9; ++i)
        lines.append(QString::number(i) + QStringLiteral(". ") + QString(27, QChar(u'ж')));
    return lines.join(u'\n');
}();

class NewStyleGenerateQuestion : public ::testing::TestWithParam<QuestionCase> {};
class OldStyleGenerateQuestion : public ::testing::TestWithParam<QuestionCase> {};

}  // namespace

TEST_P(NewStyleGenerateQuestion, AsksOnlyAboutABrokenPlugin) {
    const QuestionCase &c = GetParam();
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    editor.NewStyle_Title->setText(c.title);
    editor.NewStyle_Items->addItems({QStringLiteral("Kick"), QStringLiteral("Ban")});
    editor.NewStyle_Flags->setCurrentIndex(3);
    editor.NewStyle_Items->setCurrentRow(1);
    editor.show();
    QSignalSpy resultShown(&forms.Form_Generated, &QDialog::finished);
    SeenQuestion seen;
    QString source;

    ModalScript script;
    if (c.answer != Answer::None)
        script.whenMessageBox([&](QMessageBox *box) { answer(box, c.answer, seen); });
    if (c.answer != Answer::No)
        script.when(&forms.Form_Generated, [&] {
            source = forms.Form_Generated.SourceLines();
            forms.Form_Generated.closeWindow();
        });
    script.run([&] { QTest::mouseClick(editor.NewStyle_GenerateBtn, Qt::LeftButton); });

    if (c.answer == Answer::None) {
        EXPECT_FALSE(seen.asked);
    } else {
        expectQuestion(seen);
    }
    if (c.answer == Answer::No) {
        EXPECT_EQ(resultShown.count(), 0);
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(editor.NewStyle_Title->text(), c.title);
        EXPECT_EQ(editor.NewStyle_MenuCommand->text(), QStringLiteral("mymenu"));
        EXPECT_EQ(editor.NewStyle_Flags->currentIndex(), 3);
        EXPECT_EQ(ItemTexts(*editor.NewStyle_Items),
                  (QStringList{QStringLiteral("Kick"), QStringLiteral("Ban")}));
        EXPECT_EQ(editor.NewStyle_Items->currentRow(), 1);
    } else {
        EXPECT_EQ(resultShown.count(), 1);
        EXPECT_TRUE(source.contains(QStringLiteral("menu_create(\"") + c.title + u'"'));
        EXPECT_FALSE(editor.isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Menus, NewStyleGenerateQuestion,
    ::testing::Values(QuestionCase{"Ordinary", QStringLiteral("Главное меню"), {}, Answer::None},
                      QuestionCase{"QuoteInTitleNo", QStringLiteral("Say \"hi\""), {}, Answer::No},
                      QuestionCase{
                          "QuoteInTitleYes", QStringLiteral("Say \"hi\""), {}, Answer::Yes}),
    [](const ::testing::TestParamInfo<QuestionCase> &info) {
        return std::string(info.param.name);
    });

TEST_P(OldStyleGenerateQuestion, AsksOnlyAboutABrokenPlugin) {
    const QuestionCase &c = GetParam();
    Forms forms;
    Tfrm_OldStyleMenu &editor = forms.frm_OldStyleMenu;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;
    QSignalSpy resultShown(&forms.Form_Generated, &QDialog::finished);
    SeenQuestion seen;
    old_style_test::OptionsInputs before, after;
    QString textAfter;

    ModalScript script;
    script
        .when(&editor,
              [&] {
                  preview_test::TypeText(editor.OldStyle_MenuEdit, c.menuText);
                  QTest::mouseClick(editor.Button5, Qt::LeftButton);
              })
        .when(&options, [&] {
            options.OldStyle_AccessFlags->setCurrentIndex(2);
            before = old_style_test::OptionsInputs::of(options);
            QTest::mouseClick(options.OldStyle_GenerateBtn, Qt::LeftButton);
        });
    if (c.answer != Answer::None)
        script.whenMessageBox([&](QMessageBox *box) { answer(box, c.answer, seen); });
    if (c.answer == Answer::No)
        script.when(&options, [&] {
            after = old_style_test::OptionsInputs::of(options);
            textAfter = editor.OldStyle_MenuEdit->toPlainText();
            options.closeWindow();
        });
    else
        script.when(&forms.Form_Generated, [&] { forms.Form_Generated.closeWindow(); });
    old_style_test::runEditor(forms, script);

    if (c.answer == Answer::None) {
        EXPECT_FALSE(seen.asked);
    } else {
        expectQuestion(seen);
    }
    if (c.answer == Answer::No) {
        EXPECT_EQ(resultShown.count(), 0);
        EXPECT_EQ(after, before);
        EXPECT_EQ(textAfter, c.menuText);
    } else {
        EXPECT_EQ(resultShown.count(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, OldStyleGenerateQuestion,
                         ::testing::Values(QuestionCase{"Ordinary",
                                                        {},
                                                        QStringLiteral("1. Kick\n2. Ban\n0. Exit"),
                                                        Answer::None},
                                           QuestionCase{"CutMenuNo", {}, kCutMenu, Answer::No},
                                           QuestionCase{"CutMenuYes", {}, kCutMenu, Answer::Yes}),
                         [](const ::testing::TestParamInfo<QuestionCase> &info) {
                             return std::string(info.param.name);
                         });
