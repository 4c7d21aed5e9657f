// Remove, Up and Down on the editor's item list, through the picture buttons and through the
// keys the list takes for them.
#include "app/forms.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <vector>

using namespace new_style_test;

namespace {

enum class Button { Remove, Up, Down };

// How the list stands before the first press.
enum class Selection {
    None,
    Row,          // `row` is selected and current
    CurrentOnly,  // `row` is current but not selected, as after a Ctrl+click
};

struct ListCase {
    const char *name;
    Selection selection;
    int row;
    std::vector<Button> presses;
    QStringList expectedItems;
    int expectedSelected;  // -1: nothing selected
};

void PrintTo(const ListCase &c, std::ostream *out) {
    *out << c.name;
}

QToolButton *ButtonOf(TNewStyleMenuEditor &editor, Button button) {
    switch (button) {
        case Button::Remove:
            return editor.NewStyle_RmvButton;
        case Button::Up:
            return editor.NewStyle_UpBtn;
        case Button::Down:
            return editor.NewStyle_DownBtn;
    }
    return nullptr;
}

int SelectedRow(const QListWidget &list) {
    const QList<QListWidgetItem *> selected = list.selectedItems();
    if (selected.size() > 1) return -2;
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

class ItemListButtons : public testing::TestWithParam<ListCase> {};

const ListCase kListCases[] = {
    ListCase{"RemoveSelected", Selection::Row, 1, {Button::Remove}, {"A", "C"}, -1},
    ListCase{"RemoveFirst", Selection::Row, 0, {Button::Remove}, {"B", "C"}, -1},
    ListCase{"RemoveLast", Selection::Row, 2, {Button::Remove}, {"A", "B"}, -1},
    ListCase{"RemoveTwice", Selection::Row, 1, {Button::Remove, Button::Remove}, {"A", "C"}, -1},
    ListCase{"RemoveWithoutSelection", Selection::None, 0, {Button::Remove}, {"A", "B", "C"}, -1},
    ListCase{"RemoveCurrentButUnselected",
             Selection::CurrentOnly,
             1,
             {Button::Remove},
             {"A", "B", "C"},
             -1},
    ListCase{"UpAfterRemove", Selection::Row, 2, {Button::Remove, Button::Up}, {"A", "B"}, -1},
    ListCase{"UpMiddle", Selection::Row, 1, {Button::Up}, {"B", "A", "C"}, 0},
    ListCase{"UpTwiceFromLast", Selection::Row, 2, {Button::Up, Button::Up}, {"C", "A", "B"}, 0},
    ListCase{"UpFirst", Selection::Row, 0, {Button::Up}, {"A", "B", "C"}, 0},
    ListCase{"UpWithoutSelection", Selection::None, 0, {Button::Up}, {"A", "B", "C"}, -1},
    ListCase{
        "UpCurrentButUnselected", Selection::CurrentOnly, 1, {Button::Up}, {"A", "B", "C"}, -1},
    ListCase{"DownMiddle", Selection::Row, 1, {Button::Down}, {"A", "C", "B"}, 2},
    ListCase{
        "DownTwiceFromFirst", Selection::Row, 0, {Button::Down, Button::Down}, {"B", "C", "A"}, 2},
    ListCase{"DownLast", Selection::Row, 2, {Button::Down}, {"A", "B", "C"}, 2},
    ListCase{"DownWithoutSelection", Selection::None, 0, {Button::Down}, {"A", "B", "C"}, -1},
    ListCase{"DownThenUp", Selection::Row, 0, {Button::Down, Button::Up}, {"A", "B", "C"}, 0}};

}  // namespace

TEST_P(ItemListButtons, ActOnTheSelectedEntry) {
    const ListCase &c = GetParam();
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    FillEditor(forms, "My Menu", {"A", "B", "C"});
    editor.show();
    QListWidget *list = editor.NewStyle_Items;
    switch (c.selection) {
        case Selection::None:
            break;
        case Selection::Row:
            list->setCurrentRow(c.row);
            break;
        case Selection::CurrentOnly:
            list->setCurrentRow(c.row, QItemSelectionModel::NoUpdate);
            break;
    }

    for (Button button : c.presses) QTest::mouseClick(ButtonOf(editor, button), Qt::LeftButton);

    EXPECT_EQ(ItemTexts(*list), c.expectedItems);
    EXPECT_EQ(SelectedRow(*list), c.expectedSelected);
    if (c.expectedSelected >= 0) {
        EXPECT_EQ(list->currentRow(), c.expectedSelected);
    }
}

INSTANTIATE_TEST_SUITE_P(Presses, ItemListButtons, testing::ValuesIn(kListCases),
                         [](const testing::TestParamInfo<ListCase> &info) {
                             return info.param.name;
                         });

namespace {

// The keys that stand for the buttons while the list has the focus.
void PressKeyFor(QListWidget *list, Button button) {
    switch (button) {
        case Button::Remove:
            QTest::keyClick(list, Qt::Key_Delete);
            break;
        case Button::Up:
            QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
            break;
        case Button::Down:
            QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
            break;
    }
}

class ItemListKeys : public testing::TestWithParam<ListCase> {};

}  // namespace

// The same rules as the buttons, from the keyboard.
TEST_P(ItemListKeys, ActOnTheSelectedEntryLikeTheButtons) {
    const ListCase &c = GetParam();
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    FillEditor(forms, "My Menu", {"A", "B", "C"});
    editor.show();
    QListWidget *list = editor.NewStyle_Items;
    list->setFocus();
    switch (c.selection) {
        case Selection::None:
            break;
        case Selection::Row:
            list->setCurrentRow(c.row);
            break;
        case Selection::CurrentOnly:
            list->setCurrentRow(c.row, QItemSelectionModel::NoUpdate);
            break;
    }

    for (Button button : c.presses) PressKeyFor(list, button);

    EXPECT_EQ(ItemTexts(*list), c.expectedItems);
    EXPECT_EQ(SelectedRow(*list), c.expectedSelected);
    if (c.expectedSelected >= 0) {
        EXPECT_EQ(list->currentRow(), c.expectedSelected);
    }
    EXPECT_EQ(editor.focusWidget(), list);
}

INSTANTIATE_TEST_SUITE_P(Keys, ItemListKeys, testing::ValuesIn(kListCases),
                         [](const testing::TestParamInfo<ListCase> &info) {
                             return info.param.name;
                         });

// Insert opens Add Item as the green plus does; what is typed there becomes the last item.
TEST(ItemList, InsertOpensAddItem) {
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    FillEditor(forms, "My Menu", {"A"});
    editor.show();
    editor.NewStyle_Items->setFocus();

    ModalScript script;
    script.when(&forms.NewStyle_AddItem, [&] {
        QTest::keyClicks(forms.NewStyle_AddItem.NewStyle_AddItemEdit, "Kick");
        QTest::mouseClick(forms.NewStyle_AddItem.Button1, Qt::LeftButton);
    });
    script.run([&] { QTest::keyClick(editor.NewStyle_Items, Qt::Key_Insert); });

    EXPECT_EQ(ItemTexts(*editor.NewStyle_Items), (QStringList{"A", "Kick"}));
}

// Plain arrows still only move the selection, and Insert and Delete mean nothing in the other
// boxes of the editor.
TEST(ItemList, OtherKeysKeepTheirUsualMeaning) {
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    FillEditor(forms, "My Menu", {"A", "B", "C"});
    editor.show();
    QListWidget *list = editor.NewStyle_Items;
    list->setFocus();
    list->setCurrentRow(0);

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(ItemTexts(*list), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(SelectedRow(*list), 1);

    ShowCounter addItemShown(&forms.NewStyle_AddItem);
    editor.NewStyle_Title->setFocus();
    QTest::keyClick(editor.NewStyle_Title, Qt::Key_Insert);
    QTest::keyClick(editor.NewStyle_Title, Qt::Key_Delete);
    EXPECT_EQ(addItemShown.count(), 0);
    EXPECT_EQ(ItemTexts(*list), (QStringList{"A", "B", "C"}));
}

namespace {

struct PictureButtonCase {
    const char *name;
    QString toolTip;
    QString accessibleName;
};

void PrintTo(const PictureButtonCase &c, std::ostream *out) {
    *out << c.name;
}

class PictureButtonHelp : public testing::TestWithParam<PictureButtonCase> {};

}  // namespace

TEST_P(PictureButtonHelp, NamesTheActionAndItsKeyAndTakesNoFocus) {
    Forms forms;
    auto *button = forms.NewStyleMenuEditor.findChild<QToolButton *>(GetParam().name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), GetParam().toolTip);
    EXPECT_EQ(button->accessibleName(), GetParam().accessibleName);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
}

INSTANTIATE_TEST_SUITE_P(
    EachButton, PictureButtonHelp,
    testing::Values(PictureButtonCase{"NewStyle_AddBtn", QStringLiteral("Добавить пункт (Insert)"),
                                      QStringLiteral("Добавить пункт")},
                    PictureButtonCase{"NewStyle_RmvButton",
                                      QStringLiteral("Удалить пункт (Delete)"),
                                      QStringLiteral("Удалить пункт")},
                    PictureButtonCase{"NewStyle_UpBtn", QStringLiteral("Выше (Ctrl+Up)"),
                                      QStringLiteral("Выше")},
                    PictureButtonCase{"NewStyle_DownBtn", QStringLiteral("Ниже (Ctrl+Down)"),
                                      QStringLiteral("Ниже")}),
    [](const testing::TestParamInfo<PictureButtonCase> &info) { return info.param.name; });

// After a Remove the user picks the next entry; Remove then works again.
TEST(ItemList, RemoveWorksAgainOnceAnEntryIsSelected) {
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    FillEditor(forms, "My Menu", {"A", "B", "C"});
    editor.show();
    QListWidget *list = editor.NewStyle_Items;
    list->setCurrentRow(0);
    QTest::mouseClick(editor.NewStyle_RmvButton, Qt::LeftButton);

    QListWidgetItem *c = list->item(1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(c).center());
    ASSERT_EQ(SelectedRow(*list), 1);
    QTest::mouseClick(editor.NewStyle_RmvButton, Qt::LeftButton);

    EXPECT_EQ(ItemTexts(*list), QStringList{"B"});
    EXPECT_EQ(SelectedRow(*list), -1);
}
