#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/old_style_helpers.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>

using namespace old_style_test;

namespace {

QRadioButton *radioEntry(TChooseStyleMenu &window, const QString &caption) {
    for (QRadioButton *entry : window.ChooseStyleGroup->findChildren<QRadioButton *>())
        if (entry->text() == caption) return entry;
    return nullptr;
}

// Clicks the round indicator, which every style counts as part of the button.
void clickRadio(QRadioButton *entry) {
    QStyleOptionButton option;
    option.initFrom(entry);
    const QRect indicator =
        entry->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, entry);
    QTest::mouseClick(entry, Qt::LeftButton, {}, indicator.center());
}

// Which windows of the chain were shown and which ended, counted from their finished signal.
struct ChainSpies {
    explicit ChainSpies(Forms &forms)
        : start(&forms.ChooseStyleMenu, &QDialog::finished),
          editor(&forms.frm_OldStyleMenu, &QDialog::finished),
          options(&forms.frm_OldStyleOptions, &QDialog::finished),
          result(&forms.Form_Generated, &QDialog::finished) {}
    QSignalSpy start, editor, options, result;
};

std::vector<QString> visibleWindows(Forms &forms) {
    std::vector<QString> visible;
    for (QWidget *window : std::initializer_list<QWidget *>{
             &forms.ChooseStyleMenu, &forms.NewStyleMenuEditor, &forms.NewStyle_AddItem,
             &forms.Form_Generated, &forms.frm_OldStyleMenu, &forms.frm_OldStyleOptions})
        if (window->isVisible()) visible.push_back(window->objectName());
    return visible;
}

const std::vector<QString> kNone;

void expectVisible(Forms &forms, std::vector<QString> expected) {
    EXPECT_EQ(visibleWindows(forms), expected);
}

// Starts the program's one path: the start window with the old style chosen, then Continue.
// Returns once the chain has unwound.
void runFromStartWindow(Forms &forms, ModalScript &script, bool chooseByClick) {
    forms.ChooseStyleMenu.show();
    if (chooseByClick) {
        QRadioButton *oldStyle =
            radioEntry(forms.ChooseStyleMenu, QStringLiteral("Old style menu."));
        ASSERT_NE(oldStyle, nullptr);
        clickRadio(oldStyle);
        ASSERT_EQ(forms.ChooseStyleMenu.itemIndex(), 1);
    } else {
        forms.ChooseStyleMenu.setItemIndex(1);
    }
    script.run([&] { QTest::mouseClick(forms.ChooseStyleMenu.Button1, Qt::LeftButton); });
}

}  // namespace

// The whole path as a user walks it, and the source it ends with.
TEST(OldStyleChain, ColouredMenuGeneratesThePluginAndTheProgramEnds) {
    Forms forms;
    ChainSpies spies(forms);
    Tfrm_OldStyleMenu &editor = forms.frm_OldStyleMenu;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;

    ModalScript script;
    script
        .when(&editor,
              [&] {
                  expectVisible(forms, {"frm_OldStyleMenu"});
                  typeKeys(editor.OldStyle_MenuEdit, "1. Kick\n");
                  QTest::mouseClick(editor.Button2, Qt::LeftButton);
                  typeKeys(editor.OldStyle_MenuEdit, "2. Ban\n");
                  QTest::mouseClick(editor.Button3, Qt::LeftButton);
                  typeKeys(editor.OldStyle_MenuEdit, "0. Exit");
                  QTest::mouseClick(editor.Button5, Qt::LeftButton);
              })
        .when(&options,
              [&] {
                  // The editor stays behind the options window, the start window does not.
                  expectVisible(forms, {"frm_OldStyleMenu", "frm_OldStyleOptions"});
                  EXPECT_EQ(options.OldStyle_HandledKeys->text(), "120");
                  EXPECT_EQ(options.OldStyle_AccessFlags->currentText(), "ADMIN_ALL");
                  QTest::mouseClick(options.OldStyle_GenerateBtn, Qt::LeftButton);
              })
        .when(&forms.Form_Generated, [&] {
            expectVisible(forms, {"Form_Generated", "frm_OldStyleMenu", "frm_OldStyleOptions"});
            QTest::mouseClick(forms.Form_Generated.Generated_CloseBtn, Qt::LeftButton);
        });
    runFromStartWindow(forms, script, /*chooseByClick=*/true);

    EXPECT_EQ(orvane::CurrentMenu(), 1);
    for (QSignalSpy *spy : {&spies.start, &spies.editor, &spies.options, &spies.result})
        EXPECT_EQ(spy->count(), 1);
    expectVisible(forms, kNone);

    const QString expected = QStringLiteral(
        "#include <amxmodx>\r\n"
        "#include <amxmisc>\r\n"
        "\r\n"
        "#define PLUGIN \"New Plug-In\"\r\n"
        "#define VERSION \"1.0\"\r\n"
        "#define AUTHOR \"author\"\r\n"
        "#define KEYS (1 << 0)|(1 << 1)|(1 << 9)\r\n"
        "\r\n"
        "public plugin_init() {\r\n"
        "\r\n"
        "       register_plugin(PLUGIN, VERSION, AUTHOR);\r\n"
        "       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_ALL);\r\n"
        "       register_menucmd(register_menuid(\"My Menu\"), KEYS, \"MenuPressed\");\r\n"
        "}\r\n"
        "\r\n"
        "public cmdMenu(id, level, cid) {\r\n"
        "       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;\r\n"
        "       show_menu(id, KEYS, \"\\w1. Kick^n\\y2. Ban^n\\r0. Exit^n\", -1, \"My Menu\");\r\n"
        "       return PLUGIN_HANDLED;\r\n"
        "}\r\n"
        "\r\n"
        "public MenuPressed(id, key) {\r\n"
        "       switch (key) {\r\n"
        "       case 0: {\r\n"
        "       }\r\n"
        "       case 1: {\r\n"
        "       }\r\n"
        "       case 9: {\r\n"
        "       }\r\n"
        "       }\r\n"
        "       return PLUGIN_HANDLED;\r\n"
        "}\r\n");
    EXPECT_EQ(forms.Form_Generated.SourceLines(), expected);
}

// The close box of any window in the chain ends that window, every window below it closes
// in turn and the start window finishing ends the program; nothing further opens.
namespace {

enum class Closed { Editor, Options, Result };

const char *windowName(Closed closed) {
    switch (closed) {
        case Closed::Editor:
            return "ColouredEditor";
        case Closed::Options:
            return "OptionsWindow";
        case Closed::Result:
            return "ResultWindow";
    }
    return "";
}

void PrintTo(Closed closed, std::ostream *os) {
    *os << windowName(closed);
}

class OldStyleCloseBox : public ::testing::TestWithParam<Closed> {};

}  // namespace

TEST_P(OldStyleCloseBox, EndsTheProgram) {
    const Closed closed = GetParam();
    Forms forms;
    ChainSpies spies(forms);
    Tfrm_OldStyleMenu &editor = forms.frm_OldStyleMenu;
    Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;

    ModalScript script;
    script.when(&editor, [&] {
        typeKeys(editor.OldStyle_MenuEdit, "1. Kick");
        if (closed == Closed::Editor)
            editor.close();
        else
            QTest::mouseClick(editor.Button5, Qt::LeftButton);
    });
    if (closed != Closed::Editor) {
        script.when(&options, [&] {
            if (closed == Closed::Options)
                options.close();
            else
                QTest::mouseClick(options.OldStyle_GenerateBtn, Qt::LeftButton);
        });
    }
    if (closed == Closed::Result)
        script.when(&forms.Form_Generated, [&] { forms.Form_Generated.close(); });
    runFromStartWindow(forms, script, /*chooseByClick=*/false);

    EXPECT_EQ(spies.start.count(), 1);
    EXPECT_EQ(spies.editor.count(), 1);
    EXPECT_EQ(spies.options.count(), closed == Closed::Editor ? 0 : 1);
    EXPECT_EQ(spies.result.count(), closed == Closed::Result ? 1 : 0);
    expectVisible(forms, kNone);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, OldStyleCloseBox,
                         ::testing::Values(Closed::Editor, Closed::Options, Closed::Result),
                         [](const ::testing::TestParamInfo<Closed> &info) {
                             return std::string(windowName(info.param));
                         });
