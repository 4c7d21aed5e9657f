// The preview beside the new-style editor: one window, opened beside the editor, following
// every edit, with the number keys acting as in the game, also while the editor runs modally.
#include "app/forms.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"
#include "tests/ui/preview_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

using namespace new_style_test;
using namespace preview_test;

namespace {

QStringList NumberedItems(int count) {
    QStringList items;
    for (int k = 1; k <= count; ++k) items.append(QStringLiteral("Item %1").arg(k));
    return items;
}

class NewStylePreview : public testing::Test {
  protected:
    void SetUp() override { editor.show(); }

    void openPreview() { QTest::mouseClick(editor.NewStyle_PreviewBtn, Qt::LeftButton); }
    void select(int row) { editor.NewStyle_Items->setCurrentRow(row); }

    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    TMenuPreview &preview = forms.MenuPreview;
};

}  // namespace

TEST_F(NewStylePreview, OpensOnceBesideTheEditorWithoutMovingIt) {
    const QRect editorFrame = editor.frameGeometry();
    openPreview();
    openPreview();

    EXPECT_TRUE(preview.isVisible());
    EXPECT_TRUE(preview.isWindow());
    EXPECT_EQ(preview.parentWidget(), &editor);
    EXPECT_FALSE(preview.isModal());
    EXPECT_FALSE(preview.frameGeometry().intersects(editorFrame));
    EXPECT_EQ(editor.frameGeometry(), editorFrame);
    int previews = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        previews += qobject_cast<TMenuPreview *>(window) != nullptr;
    EXPECT_EQ(previews, 1);
}

// Each edit shows at once: typing the title, adding through the Add Item dialog, removing
// and moving items.
TEST_F(NewStylePreview, FollowsEveryEdit) {
    FillEditor(forms, QString(), {QStringLiteral("Kick"), QStringLiteral("Ban")});
    openPreview();

    TypeText(editor.NewStyle_Title, QStringLiteral("Главное меню"));
    EXPECT_EQ(ShownLines(preview).value(0), QStringLiteral("Главное меню"));

    ModalScript script;
    script.when(&forms.NewStyle_AddItem, [&] {
        TypeText(forms.NewStyle_AddItem.NewStyle_AddItemEdit, QStringLiteral("Слап"));
        QTest::mouseClick(forms.NewStyle_AddItem.Button1, Qt::LeftButton);
    });
    script.run([&] { QTest::mouseClick(editor.NewStyle_AddBtn, Qt::LeftButton); });
    EXPECT_TRUE(ShownText(preview).contains(QStringLiteral("1. Kick\n2. Ban\n3. Слап")))
        << ShownText(preview).toStdString();

    select(0);
    QTest::mouseClick(editor.NewStyle_DownBtn, Qt::LeftButton);
    EXPECT_TRUE(ShownText(preview).contains(QStringLiteral("1. Ban\n2. Kick\n3. Слап")))
        << ShownText(preview).toStdString();

    select(2);
    QTest::mouseClick(editor.NewStyle_UpBtn, Qt::LeftButton);
    EXPECT_TRUE(ShownText(preview).contains(QStringLiteral("1. Ban\n2. Слап\n3. Kick")))
        << ShownText(preview).toStdString();

    select(0);
    QTest::mouseClick(editor.NewStyle_RmvButton, Qt::LeftButton);
    EXPECT_TRUE(ShownText(preview).contains(QStringLiteral("1. Слап\n2. Kick\n")))
        << ShownText(preview).toStdString();
    EXPECT_FALSE(ShownText(preview).contains(QStringLiteral("Ban")));

    // Once closed, it no longer follows; opening it again shows the menu as it is now.
    preview.close();
    editor.NewStyle_Title->setText(QStringLiteral("Другое"));
    EXPECT_EQ(ShownLines(preview).value(0), QStringLiteral("Главное меню"));
    openPreview();
    EXPECT_EQ(ShownLines(preview).value(0), QStringLiteral("Другое"));
}

// Generate hides the editor for the result window; the preview goes with it.
TEST_F(NewStylePreview, LeavesWithTheEditorOnGenerate) {
    FillEditor(forms, QStringLiteral("Меню"), NumberedItems(3));
    openPreview();
    bool previewShownWithResult = true;

    ModalScript script;
    script.when(&forms.Form_Generated, [&] {
        previewShownWithResult = preview.isVisible();
        forms.Form_Generated.closeWindow();
    });
    script.run([&] { QTest::mouseClick(editor.NewStyle_GenerateBtn, Qt::LeftButton); });
    EXPECT_FALSE(previewShownWithResult);
    EXPECT_FALSE(preview.isVisible());
}

// 15 items make three pages: 7, 7 and 1. Each row presses one key and says where the menu is
// afterwards and what the key said; a key the page does not take changes nothing.
TEST_F(NewStylePreview, NumberKeysActAsInTheGame) {
    FillEditor(forms, QStringLiteral("Меню"), NumberedItems(15));
    openPreview();
    const QString hint = preview.MenuPreview_KeyResult->text();

    struct Row {
        char key;
        int page;  // from 1
        QString keyResult;
    };
    const QString exitText = QStringLiteral("→ exit: the menu closes");
    const Row rows[] = {
        {'8', 1, hint},                         // Back is grey on the first page
        {'3', 1, QStringLiteral("→ case 3")},   //
        {'9', 2, QString()},                    // Next
        {'3', 2, QStringLiteral("→ case 10")},  // counted across pages
        {'9', 3, QString()},                    //
        {'9', 3, QString()},                    // Next is grey on the last page
        {'5', 3, QString()},                    // the last page has one item
        {'1', 3, QStringLiteral("→ case 15")},  //
        {'0', 3, exitText},                     //
        {'8', 2, QString()},                    // Back
        {'7', 2, QStringLiteral("→ case 14")},  //
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string("key ") + row.key + ", page " + std::to_string(row.page));
        PressMenuKey(preview, row.key);
        EXPECT_EQ(preview.currentPage() + 1, row.page);
        EXPECT_EQ(preview.MenuPreview_KeyResult->text(), row.keyResult);
        EXPECT_TRUE(preview.MenuPreview_Status->text().startsWith(
            QStringLiteral("Page %1/3 · ").arg(row.page)))
            << preview.MenuPreview_Status->text().toStdString();
        EXPECT_TRUE(ShownLines(preview).value(0).startsWith(QStringLiteral("Меню")));
    }
}

TEST_F(NewStylePreview, StatusLineCountsThePageBytes) {
    FillEditor(forms, QStringLiteral("Меню"), NumberedItems(10));
    openPreview();
    const QRegularExpression status(QStringLiteral("^Page 1/2 · (\\d+) of 511 bytes$"));
    const QRegularExpressionMatch match = status.match(preview.MenuPreview_Status->text());
    ASSERT_TRUE(match.hasMatch()) << preview.MenuPreview_Status->text().toStdString();
    EXPECT_EQ(match.captured(1).toLongLong(), preview.MenuPreview_Screen->screen().bytes);
}

// A page that no longer exists after an edit gives way to the last one.
TEST_F(NewStylePreview, RemovingTheShownPageShowsTheLastOne) {
    FillEditor(forms, QStringLiteral("Меню"), NumberedItems(8));
    openPreview();
    PressMenuKey(preview, '9');
    ASSERT_EQ(preview.currentPage(), 1);

    select(7);
    QTest::mouseClick(editor.NewStyle_RmvButton, Qt::LeftButton);
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_EQ(preview.pageCount(), 1);
    EXPECT_TRUE(preview.MenuPreview_Status->text().startsWith(QStringLiteral("Page 1/1 · ")));
}

// The start window shows the editor with exec(); the preview it opens must still take keys.
TEST(NewStylePreviewModal, TakesKeysWhileTheEditorRunsModally) {
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    FillEditor(forms, QStringLiteral("Меню"), NumberedItems(9));
    int pageAfterNext = -1;
    QString afterItemKey;

    ModalScript script;
    script.when(&editor, [&] {
        QTest::mouseClick(editor.NewStyle_PreviewBtn, Qt::LeftButton);
        QApplication::processEvents();
        PressMenuKey(forms.MenuPreview, '9');
        pageAfterNext = forms.MenuPreview.currentPage();
        PressMenuKey(forms.MenuPreview, '2');
        afterItemKey = forms.MenuPreview.MenuPreview_KeyResult->text();
        // Typing in the modal editor still reaches the open preview.
        QTest::keyClicks(editor.NewStyle_Title, QStringLiteral("!"));
        editor.close();
    });
    script.run([&] { editor.exec(); });

    EXPECT_EQ(pageAfterNext, 1);
    EXPECT_EQ(afterItemKey, QStringLiteral("→ case 9"));
    EXPECT_EQ(ShownLines(forms.MenuPreview).value(0).left(5), QStringLiteral("Меню!"));
}
