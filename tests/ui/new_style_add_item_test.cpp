// The Add Item dialog and what the editor takes from it.
#include "app/forms.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"
#include "tests/ui/paste_paths.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <tuple>

using namespace new_style_test;

namespace {

// Presses the editor's Add button and runs `inDialog` while the dialog is open; `inDialog`
// must end the dialog.
void AddThroughDialog(Forms &forms, const std::function<void(TNewStyle_AddItem &)> &inDialog) {
    ModalScript script;
    script.when(&forms.NewStyle_AddItem, [&] { inDialog(forms.NewStyle_AddItem); });
    script.run(
        [&] { QTest::mouseClick(forms.NewStyleMenuEditor.NewStyle_AddBtn, Qt::LeftButton); });
}

void TypeAndPressAdd(Forms &forms, const QString &text) {
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        QTest::keyClicks(dialog.NewStyle_AddItemEdit, text);
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
}

QStringList Items(const Forms &forms) {
    return ItemTexts(*forms.NewStyleMenuEditor.NewStyle_Items);
}

class AddItemTest : public testing::Test {
  protected:
    void SetUp() override { forms.NewStyleMenuEditor.show(); }
    Forms forms;
};

enum class Leave { AddButton, CloseButton, CloseBox };

class AddItemLeave : public AddItemTest, public testing::WithParamInterface<Leave> {};

}  // namespace

// No choice comes back from the dialog: every way out adds what the box holds.
TEST_P(AddItemLeave, EveryWayOutAddsTheText) {
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        QTest::keyClicks(dialog.NewStyle_AddItemEdit, "Hello");
        switch (GetParam()) {
            case Leave::AddButton:
                QTest::mouseClick(dialog.Button1, Qt::LeftButton);
                break;
            case Leave::CloseButton:
                QTest::mouseClick(dialog.Button2, Qt::LeftButton);
                break;
            case Leave::CloseBox:
                dialog.close();
                break;
        }
    });

    EXPECT_EQ(Items(forms), QStringList{"Hello"});
    EXPECT_TRUE(forms.NewStyle_AddItem.NewStyle_AddItemEdit->text().isEmpty());
    EXPECT_FALSE(forms.NewStyle_AddItem.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, AddItemLeave,
                         testing::Values(Leave::AddButton, Leave::CloseButton, Leave::CloseBox),
                         [](const testing::TestParamInfo<Leave> &info) {
                             switch (info.param) {
                                 case Leave::AddButton:
                                     return "AddButton";
                                 case Leave::CloseButton:
                                     return "CloseButton";
                                 case Leave::CloseBox:
                                     return "CloseBox";
                             }
                             return "";
                         });

namespace {

struct ItemText {
    const char *name;
    QString text;
    QStringList added;
};

void PrintTo(const ItemText &c, std::ostream *out) {
    *out << c.name;
}

class AddItemText : public AddItemTest, public testing::WithParamInterface<ItemText> {};

}  // namespace

// Only an entry that trims to nothing is refused; what is added is the text untrimmed.
TEST_P(AddItemText, AddsTheTextUntrimmedUnlessItTrimsToNothing) {
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        dialog.NewStyle_AddItemEdit->setText(GetParam().text);
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });

    EXPECT_EQ(Items(forms), GetParam().added);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AddItemText,
    testing::Values(ItemText{"Word", "Hello", {"Hello"}},
                    ItemText{"LeadingSpaces", "  Hello", {"  Hello"}},
                    ItemText{"TrailingSpaces", "Hello  ", {"Hello  "}},
                    ItemText{"InnerSpaces", "Kick  player", {"Kick  player"}},
                    ItemText{"Empty", "", {}}, ItemText{"Spaces", "   ", {}},
                    ItemText{"ControlCharacters", " \t\x01\x1f ", {}},
                    ItemText{"NoBreakSpace", QString(QChar(0xA0)), {QString(QChar(0xA0))}},
                    ItemText{"Placeholders", "%d %s \"q\"", {"%d %s \"q\""}}),
    [](const testing::TestParamInfo<ItemText> &info) { return info.param.name; });

TEST_F(AddItemTest, RefusedSpacesStayInTheBoxUntilTheDialogIsShownAgain) {
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        EXPECT_EQ(dialog.focusWidget(), dialog.NewStyle_AddItemEdit);
        QTest::keyClicks(dialog.NewStyle_AddItemEdit, "   ");
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
    EXPECT_TRUE(Items(forms).isEmpty());
    EXPECT_EQ(forms.NewStyle_AddItem.NewStyle_AddItemEdit->text(), "   ");

    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        EXPECT_TRUE(dialog.NewStyle_AddItemEdit->text().isEmpty());
        // The last visit ended with a click on Add, which took the focus there.
        EXPECT_EQ(dialog.focusWidget(), dialog.NewStyle_AddItemEdit);
        EXPECT_TRUE(dialog.NewStyle_AddItemEdit->hasFocus());
        QTest::keyClicks(dialog.NewStyle_AddItemEdit, "Kick");
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(Items(forms), QStringList{"Kick"});
}

TEST_F(AddItemTest, TheSameTextTwiceGivesTwoEntriesInOrder) {
    TypeAndPressAdd(forms, "Kick");
    TypeAndPressAdd(forms, "Ban");
    TypeAndPressAdd(forms, "Kick");

    EXPECT_EQ(Items(forms), (QStringList{"Kick", "Ban", "Kick"}));
}

TEST_F(AddItemTest, LongTextsAreKeptWhole) {
    // Longer than a 4096-byte buffer and than a line edit's default limit of 32767.
    const QString longText = QString(40000, u'x') + u'y';
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        dialog.NewStyle_AddItemEdit->setText(longText);
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });

    const QStringList items = Items(forms);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().size(), longText.size());
    EXPECT_TRUE(items.first() == longText);
}

namespace {

struct PastedList {
    const char *name;
    QString lineBreak;
};

using PastedListCase = std::tuple<PastedList, paste_paths::Path>;

class AddItemPastedList : public AddItemTest, public testing::WithParamInterface<PastedListCase> {};

}  // namespace

// A whole list can be pasted at once: one item per line that is not blank, in order, each
// kept untrimmed, and none of them carrying a line break.
TEST_P(AddItemPastedList, AddsOneItemPerNonBlankLine) {
    const auto &[list, path] = GetParam();
    const QString &br = list.lineBreak;
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        ASSERT_TRUE(
            paste_paths::Paste(dialog.NewStyle_AddItemEdit, path,
                               "Kick" + br + " Ban" + br + br + "  \t" + br + "Exit  " + br));
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });

    EXPECT_EQ(Items(forms), (QStringList{"Kick", " Ban", "Exit  "}));
    EXPECT_EQ(forms.NewStyleMenuEditor.NewStyle_Items->count(), 3);
    EXPECT_TRUE(forms.NewStyle_AddItem.NewStyle_AddItemEdit->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryBreakAndPath, AddItemPastedList,
    testing::Combine(
        testing::Values(PastedList{"LF", "\n"}, PastedList{"CR", "\r"}, PastedList{"CRLF", "\r\n"},
                        PastedList{"LineSeparator", QString(QChar::LineSeparator)},
                        PastedList{"ParagraphSeparator", QString(QChar::ParagraphSeparator)}),
        testing::ValuesIn(paste_paths::kAll)),
    [](const testing::TestParamInfo<PastedListCase> &info) {
        return std::string(std::get<0>(info.param).name) + "_" +
               paste_paths::Name(std::get<1>(info.param));
    });

TEST_F(AddItemTest, PastedLinesThatAreAllBlankAddNothingAndStayInTheBox) {
    const QString blank = QStringLiteral(" \r\n\t\n ");
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        paste_paths::Paste(dialog.NewStyle_AddItemEdit, paste_paths::Path::CtrlV, blank);
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });

    EXPECT_TRUE(Items(forms).isEmpty());
    EXPECT_EQ(forms.NewStyle_AddItem.NewStyle_AddItemEdit->text(), blank);
}

TEST_F(AddItemTest, APastedListFollowsTheItemsAlreadyThere) {
    TypeAndPressAdd(forms, "Kick");
    AddThroughDialog(forms, [&](TNewStyle_AddItem &dialog) {
        paste_paths::Paste(dialog.NewStyle_AddItemEdit, paste_paths::Path::ShiftInsert,
                           QStringLiteral("Ban\r\nExit"));
        dialog.close();
    });

    EXPECT_EQ(Items(forms), (QStringList{"Kick", "Ban", "Exit"}));
}
