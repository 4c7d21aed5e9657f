// The ways through and out of the new-style chain: start window, editor, result window.
#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace new_style_test;

namespace {

void PressEscape(QWidget *window) {
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Escape);
}

}  // namespace

// main() ends the program on the start window's finished signal.
TEST(NewStyleChain, CloseBoxOfTheStartWindowEndsWithoutAnEditor) {
    Forms forms;
    ShowCounter editorShown(&forms.NewStyleMenuEditor);
    ShowCounter oldEditorShown(&forms.frm_OldStyleMenu);
    QSignalSpy startFinished(&forms.ChooseStyleMenu, &QDialog::finished);
    forms.ChooseStyleMenu.show();

    forms.ChooseStyleMenu.close();

    EXPECT_EQ(startFinished.count(), 1);
    EXPECT_FALSE(forms.ChooseStyleMenu.isVisible());
    EXPECT_EQ(editorShown.count(), 0);
    EXPECT_EQ(oldEditorShown.count(), 0);
}

TEST(NewStyleChain, ContinueHidesTheStartWindowAndClosingTheEditorEndsIt) {
    Forms forms;
    orvane::SetCurrentMenu(1);
    ShowCounter resultShown(&forms.Form_Generated);
    ShowCounter oldEditorShown(&forms.frm_OldStyleMenu);
    QSignalSpy startFinished(&forms.ChooseStyleMenu, &QDialog::finished);
    QSignalSpy editorFinished(&forms.NewStyleMenuEditor, &QDialog::finished);
    forms.ChooseStyleMenu.show();

    ModalScript script;
    script.when(&forms.NewStyleMenuEditor, [&] {
        EXPECT_FALSE(forms.ChooseStyleMenu.isVisible());
        EXPECT_TRUE(forms.NewStyleMenuEditor.isVisible());
        EXPECT_EQ(orvane::CurrentMenu(), 0);
        EXPECT_EQ(startFinished.count(), 0);
        forms.NewStyleMenuEditor.close();
    });
    script.run([&] { QTest::mouseClick(forms.ChooseStyleMenu.Button1, Qt::LeftButton); });

    EXPECT_EQ(editorFinished.count(), 1);
    EXPECT_EQ(startFinished.count(), 1);
    EXPECT_FALSE(forms.ChooseStyleMenu.isVisible());
    EXPECT_EQ(resultShown.count(), 0);
    EXPECT_EQ(oldEditorShown.count(), 0);
}

// Leaving the result window, by its Close button or its close box, unwinds the whole chain.
class NewStyleChainEnd : public testing::TestWithParam<bool> {};

TEST_P(NewStyleChainEnd, LeavingTheResultWindowEndsTheProgram) {
    const bool closeBox = GetParam();
    Forms forms;
    QSignalSpy startFinished(&forms.ChooseStyleMenu, &QDialog::finished);
    QSignalSpy editorFinished(&forms.NewStyleMenuEditor, &QDialog::finished);
    QSignalSpy resultFinished(&forms.Form_Generated, &QDialog::finished);
    forms.ChooseStyleMenu.show();
    QString source;

    ModalScript script;
    script
        .when(&forms.NewStyleMenuEditor,
              [&] {
                  QTest::keyClicks(forms.NewStyleMenuEditor.NewStyle_Title, "My Menu");
                  forms.NewStyleMenuEditor.NewStyle_Items->addItem("Kick");
                  QTest::mouseClick(forms.NewStyleMenuEditor.NewStyle_GenerateBtn, Qt::LeftButton);
              })
        .when(&forms.Form_Generated, [&] {
            EXPECT_FALSE(forms.ChooseStyleMenu.isVisible());
            EXPECT_FALSE(forms.NewStyleMenuEditor.isVisible());
            EXPECT_EQ(editorFinished.count(), 0);
            source = forms.Form_Generated.SourceLines();
            if (closeBox)
                forms.Form_Generated.close();
            else
                QTest::mouseClick(forms.Form_Generated.Generated_CloseBtn, Qt::LeftButton);
        });
    script.run([&] { QTest::mouseClick(forms.ChooseStyleMenu.Button1, Qt::LeftButton); });

    EXPECT_EQ(resultFinished.count(), 1);
    EXPECT_EQ(editorFinished.count(), 1);
    EXPECT_EQ(startFinished.count(), 1);
    EXPECT_FALSE(forms.Form_Generated.isVisible());
    EXPECT_FALSE(forms.NewStyleMenuEditor.isVisible());
    EXPECT_FALSE(forms.ChooseStyleMenu.isVisible());
    EXPECT_TRUE(source.startsWith("#include <amxmodx>\r\n"));
    EXPECT_EQ(source.count("\r\n"), 40);
}

INSTANTIATE_TEST_SUITE_P(CloseButtonOrCloseBox, NewStyleChainEnd, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) {
                             return info.param ? "CloseBox" : "CloseButton";
                         });

namespace {

struct RefusedGenerate {
    const char *name;
    QString title;
    QStringList items;
    QString message;
};

void PrintTo(const RefusedGenerate &c, std::ostream *out) {
    *out << c.name;
}

class NewStyleGenerateRefused : public testing::TestWithParam<RefusedGenerate> {};

const QString kTitleMessage = QStringLiteral("Menu title is empty!\nPlease, enter menu title!");
const QString kItemsMessage = QStringLiteral("You don't have any items in menu!");

}  // namespace

TEST_P(NewStyleGenerateRefused, ShowsOneErrorAndStaysInTheEditor) {
    const RefusedGenerate &refusal = GetParam();
    Forms forms;
    FillEditor(forms, refusal.title, refusal.items);
    ShowCounter resultShown(&forms.Form_Generated);
    QSignalSpy editorFinished(&forms.NewStyleMenuEditor, &QDialog::finished);
    SeenMessageBox seen;

    ModalScript script;
    script
        .when(&forms.NewStyleMenuEditor,
              [&] {
                  QTest::mouseClick(forms.NewStyleMenuEditor.NewStyle_GenerateBtn, Qt::LeftButton);
              })
        .whenMessageBox([&](QMessageBox *box) { seen = ReadAndConfirm(box); })
        .when(&forms.NewStyleMenuEditor, [&] {
            // A second message box would be the active modal window now.
            EXPECT_EQ(QApplication::activeModalWidget(), &forms.NewStyleMenuEditor);
            EXPECT_TRUE(forms.NewStyleMenuEditor.isVisible());
            EXPECT_EQ(editorFinished.count(), 0);
            forms.NewStyleMenuEditor.closeWindow();
        });
    script.run([&] { forms.NewStyleMenuEditor.exec(); });

    ExpectErrorBox(seen, refusal.message);
    EXPECT_EQ(resultShown.count(), 0);
    EXPECT_EQ(ItemTexts(*forms.NewStyleMenuEditor.NewStyle_Items), refusal.items);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, NewStyleGenerateRefused,
    testing::Values(RefusedGenerate{"EmptyTitleNoItems", "", {}, kTitleMessage},
                    RefusedGenerate{"SpacesTitleNoItems", "   ", {}, kTitleMessage},
                    RefusedGenerate{"EmptyTitleWithItems", "", {"Kick"}, kTitleMessage},
                    RefusedGenerate{"ControlCharactersTitle", " \t\x01 ", {"Kick"}, kTitleMessage},
                    RefusedGenerate{"TitleNoItems", "My Menu", {}, kItemsMessage},
                    // A no-break space is not trimmed: the title passes and the item check speaks.
                    RefusedGenerate{
                        "NoBreakSpaceTitleNoItems", QString(QChar(0xA0)), {}, kItemsMessage}),
    [](const testing::TestParamInfo<RefusedGenerate> &info) { return info.param.name; });

// None of the windows on the path has a cancel button, so Escape must not end one.
TEST(NewStyleChain, EscapeEndsNoWindowOfThePath) {
    Forms forms;
    orvane::SetCurrentMenu(0);
    FillEditor(forms, "My Menu", {"Kick"});
    QSignalSpy editorFinished(&forms.NewStyleMenuEditor, &QDialog::finished);
    QSignalSpy addItemFinished(&forms.NewStyle_AddItem, &QDialog::finished);
    QSignalSpy resultFinished(&forms.Form_Generated, &QDialog::finished);

    ModalScript script;
    script
        .when(&forms.NewStyleMenuEditor,
              [&] {
                  PressEscape(&forms.NewStyleMenuEditor);
                  EXPECT_EQ(editorFinished.count(), 0);
                  QTest::mouseClick(forms.NewStyleMenuEditor.NewStyle_AddBtn, Qt::LeftButton);
              })
        .when(&forms.NewStyle_AddItem,
              [&] {
                  PressEscape(&forms.NewStyle_AddItem);
                  EXPECT_EQ(addItemFinished.count(), 0);
                  forms.NewStyle_AddItem.closeWindow();
              })
        .when(&forms.NewStyleMenuEditor,
              [&] {
                  QTest::mouseClick(forms.NewStyleMenuEditor.NewStyle_GenerateBtn, Qt::LeftButton);
              })
        .when(&forms.Form_Generated, [&] {
            PressEscape(&forms.Form_Generated);
            EXPECT_EQ(resultFinished.count(), 0);
            forms.Form_Generated.closeWindow();
        });
    script.run([&] { forms.NewStyleMenuEditor.exec(); });

    EXPECT_EQ(addItemFinished.count(), 1);
    EXPECT_EQ(resultFinished.count(), 1);
    EXPECT_EQ(editorFinished.count(), 1);
}
