// Captions, sizes, positions, fonts and tab order of the six windows and their controls.
#include "app/forms.h"
#include "tests/ui/new_style_helpers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include <algorithm>
#include <map>
#include <vector>

namespace {

struct WindowRow {
    const char *instance;
    const char *caption;
    QSize clientSize;
    QPoint position;
};

const WindowRow kWindows[] = {
    {"ChooseStyleMenu", "Orvane 1.0.0", {370, 194}, {502, 467}},
    {"NewStyleMenuEditor", "Orvane 1.0 - New Style Orvane", {372, 483}, {561, 223}},
    {"NewStyle_AddItem", "Add Item", {361, 99}, {461, 421}},
    {"Form_Generated", "Orvane v1.0.0 - Generated menu", {821, 532}, {390, 225}},
    {"frm_OldStyleMenu", "Old Style Orvane 1.0.0", {450, 305}, {502, 289}},
    {"frm_OldStyleOptions",
     "Old style Orvane v1.0.0 - Old style menu options",
     {432, 164},
     {415, 334}},
};

constexpr int kNoTabStop = -1;

struct ControlRow {
    const char *window;
    const char *name;
    QPoint position;
    QSize size;  // invalid for labels, which take the size of their caption
    const char *caption;
    int tabOrder;
};

const char kChooseGroup[] = "[New style menu. Need at least AmxMod X 1.5.|Old style menu.]";

const ControlRow kControls[] = {
    {"ChooseStyleMenu", "ChooseStyleGroup", {8, 15}, {353, 137}, kChooseGroup, 1},
    {"ChooseStyleMenu", "Button1", {144, 160}, {75, 25}, "Продолжить", 0},

    {"NewStyleMenuEditor", "Label1", {16, 8}, {}, "Заголовок меню", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_Title", {16, 24}, {337, 21}, "", 0},
    {"NewStyleMenuEditor", "Label4", {16, 56}, {}, "Команда вызова меню", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_MenuCommand", {16, 72}, {337, 21}, "mymenu", 4},
    {"NewStyleMenuEditor", "Label3", {16, 104}, {}, "Флаг доступа:", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_Flags", {16, 120}, {145, 21}, "ADMIN_ALL", 2},
    {"NewStyleMenuEditor", "Label2", {16, 152}, {}, "Пункты меню", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_AddBtn", {16, 176}, {23, 22}, "", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_RmvButton", {40, 176}, {23, 22}, "", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_UpBtn", {64, 176}, {23, 22}, "", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_DownBtn", {88, 176}, {23, 22}, "", kNoTabStop},
    {"NewStyleMenuEditor", "NewStyle_Items", {8, 200}, {353, 241}, "", 1},
    {"NewStyleMenuEditor", "NewStyle_GenerateBtn", {144, 448}, {75, 25}, "Сгенерировать", 3},

    {"NewStyle_AddItem", "Label1", {8, 16}, {}, "Item Text", kNoTabStop},
    {"NewStyle_AddItem", "NewStyle_AddItemEdit", {8, 32}, {345, 21}, "", 0},
    {"NewStyle_AddItem", "Button1", {88, 64}, {75, 25}, "Add", 1},
    {"NewStyle_AddItem", "Button2", {176, 64}, {75, 25}, "Close", 2},

    {"Form_Generated", "PluginSource", {8, 8}, {809, 473}, "", 0},
    {"Form_Generated", "Generated_CopyBtn", {280, 488}, {75, 25}, "Скопировать", 1},
    {"Form_Generated", "Generated_SaveBtn", {376, 488}, {89, 25}, "Сохранить как...", 2},
    {"Form_Generated", "Generated_CloseBtn", {488, 488}, {75, 25}, "Закрыть", 3},

    {"frm_OldStyleMenu", "sBitBtn1", {8, 16}, {75, 25}, "Белый", 2},
    {"frm_OldStyleMenu", "Button2", {96, 16}, {73, 25}, "Желтый", 3},
    {"frm_OldStyleMenu", "Button3", {184, 16}, {75, 25}, "Красный", 4},
    {"frm_OldStyleMenu", "Button4", {272, 16}, {75, 25}, "Серый", 5},
    {"frm_OldStyleMenu", "OldStyle_MenuEdit", {8, 48}, {433, 217}, "", 0},
    {"frm_OldStyleMenu", "Button5", {176, 272}, {91, 25}, "Продолжить", 1},

    {"frm_OldStyleOptions", "Label1", {16, 24}, {}, "Кнопки:", kNoTabStop},
    {"frm_OldStyleOptions", "OldStyle_HandledKeys", {16, 40}, {145, 21}, "", 0},
    {"frm_OldStyleOptions", "Label2", {232, 24}, {}, "Имя меню", kNoTabStop},
    {"frm_OldStyleOptions", "OldStyle_MenuName", {232, 40}, {161, 21}, "My Menu", 1},
    {"frm_OldStyleOptions", "Label3", {16, 72}, {}, "Команда для вызова", kNoTabStop},
    {"frm_OldStyleOptions", "OldStyle_Command", {16, 88}, {145, 21}, "mymenu", 3},
    {"frm_OldStyleOptions", "Label4", {232, 72}, {}, "Флаг доступа", kNoTabStop},
    {"frm_OldStyleOptions", "OldStyle_AccessFlags", {232, 88}, {161, 21}, "ADMIN_ALL", 4},
    {"frm_OldStyleOptions", "OldStyle_GenerateBtn", {160, 128}, {89, 25}, "Сгенерировать", 2},

    // Added in free space for the preview, last in their window's tab order.
    {"NewStyleMenuEditor", "NewStyle_PreviewBtn", {264, 448}, {97, 25}, "Предпросмотр", 5},
    {"frm_OldStyleMenu", "OldStyle_PreviewBtn", {344, 272}, {97, 25}, "Предпросмотр", 6},
    {"frm_OldStyleMenu", "OldStyle_MenuBytes", {8, 272}, {160, 25}, "0 of 511 bytes", kNoTabStop},
};

std::vector<TForm *> AllWindows(Forms &forms) {
    return {&forms.ChooseStyleMenu, &forms.NewStyleMenuEditor, &forms.NewStyle_AddItem,
            &forms.Form_Generated,  &forms.frm_OldStyleMenu,   &forms.frm_OldStyleOptions};
}

TForm *WindowNamed(Forms &forms, const char *instance) {
    for (TForm *window : AllWindows(forms))
        if (window->objectName() == QLatin1String(instance)) return window;
    return nullptr;
}

// What the control shows as its caption or initial content.
QString Caption(const QWidget *control) {
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) return button->text();
    if (auto *label = qobject_cast<const QLabel *>(control)) return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(control)) return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control)) return combo->currentText();
    if (auto *list = qobject_cast<const QListWidget *>(control))
        return new_style_test::ItemTexts(*list).join(u'|');
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(control)) return plain->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(control)) return rich->toPlainText();
    if (auto *group = qobject_cast<const QGroupBox *>(control)) {
        QStringList entries;
        for (const QRadioButton *entry : group->findChildren<QRadioButton *>())
            entries.append(entry->text());
        return group->title() + u'[' + entries.join(u'|') + u']';
    }
    return QStringLiteral("<unknown kind %1>").arg(control->metaObject()->className());
}

}  // namespace

TEST(Windows, HaveTheirCaptionSizePositionBorderAndFont) {
    Forms forms;
    for (const WindowRow &row : kWindows) {
        SCOPED_TRACE(row.instance);
        TForm *window = WindowNamed(forms, row.instance);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(row.caption));
        EXPECT_EQ(window->width(), row.clientSize.width());
        EXPECT_EQ(window->height(), row.clientSize.height());
        EXPECT_EQ(window->minimumSize(), row.clientSize);
        EXPECT_EQ(window->maximumSize(), row.clientSize);
        EXPECT_EQ(window->pos(), row.position);
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
        EXPECT_EQ(window->font().pixelSize(), 11);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST(Windows, ControlsHaveTheirPlaceSizeCaptionAndFont) {
    Forms forms;
    for (const ControlRow &row : kControls) {
        SCOPED_TRACE(std::string(row.window) + "." + row.name);
        TForm *window = WindowNamed(forms, row.window);
        ASSERT_NE(window, nullptr);
        const QList<QWidget *> found =
            window->findChildren<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_EQ(found.size(), 1);
        QWidget *control = found.first();
        EXPECT_EQ(control->parentWidget(), window);
        EXPECT_EQ(control->pos(), row.position);
        if (row.size.isValid()) {
            EXPECT_EQ(control->size(), row.size);
        }
        EXPECT_EQ(Caption(control), QString::fromUtf8(row.caption));
        EXPECT_EQ(control->font().pixelSize(), 11);
        EXPECT_FALSE(control->isHidden());
        // A control must lie wholly inside its window's client area.
        EXPECT_TRUE(window->rect().contains(control->geometry()))
            << control->geometry().x() << ", " << control->geometry().y() << "; "
            << control->geometry().width() << " x " << control->geometry().height();
    }
}

class WindowTabOrder : public testing::TestWithParam<const char *> {};

// The chain is read from the window itself: where it starts is where the focus goes when the
// window opens.
TEST_P(WindowTabOrder, FollowsTheTable) {
    Forms forms;
    TForm *window = WindowNamed(forms, GetParam());
    ASSERT_NE(window, nullptr);
    std::map<const QWidget *, const ControlRow *> rows;
    std::vector<const ControlRow *> expectedRows;
    for (const ControlRow &row : kControls) {
        if (window->objectName() != QLatin1String(row.window)) continue;
        QWidget *control = window->findChild<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr) << row.name;
        rows[control] = &row;
        if (row.tabOrder != kNoTabStop) expectedRows.push_back(&row);
    }
    std::sort(expectedRows.begin(), expectedRows.end(),
              [](const ControlRow *a, const ControlRow *b) { return a->tabOrder < b->tabOrder; });
    QStringList expected;
    for (const ControlRow *row : expectedRows) expected.append(QString::fromLatin1(row->name));

    // Each focusable widget stands for the named control that holds it (the radio entries
    // stand for their group).
    QStringList chain;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->isWindow() || w->window() != window) continue;
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        const QWidget *named = w;
        while (named && !rows.count(named)) named = named->parentWidget();
        const QString name = named ? QString::fromLatin1(rows[named]->name)
                                   : QStringLiteral("<unnamed %1 %2>")
                                         .arg(w->metaObject()->className(), w->objectName());
        if (chain.isEmpty() || chain.back() != name) chain.append(name);
    }
    EXPECT_EQ(chain, expected);

    window->show();
    QApplication::processEvents();
    ASSERT_FALSE(expected.isEmpty());
    const QWidget *focus = window->focusWidget();
    while (focus && !rows.count(focus)) focus = focus->parentWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(QString::fromLatin1(rows[focus]->name), expected.first());
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowTabOrder,
                         testing::Values("ChooseStyleMenu", "NewStyleMenuEditor",
                                         "NewStyle_AddItem", "Form_Generated", "frm_OldStyleMenu",
                                         "frm_OldStyleOptions"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });
