#include "ui/new_style_menu_editor.h"

#include "app/forms.h"
#include "generator/access_flags.h"
#include "generator/coloured_text.h"
#include "ui/key_filters.h"
#include "ui/menu_preview.h"
#include "ui/message_boxes.h"
#include "ui/one_line_text.h"
#include "ui/pictures.h"
#include "ui/plugin_problems.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

TNewStyleMenuEditor::TNewStyleMenuEditor(Forms &forms)
    : TForm(forms, {"NewStyleMenuEditor",
                    QStringLiteral("Orvane 1.0 - New Style Orvane"),
                    {372, 483},
                    {561, 223}}) {
    Label1 = addLabel("Label1", QStringLiteral("Заголовок меню"), {16, 8});
    NewStyle_Title = addControl<QLineEdit>("NewStyle_Title", {16, 24, 337, 21});
    KeepOnOneLine(NewStyle_Title);
    Label4 = addLabel("Label4", QStringLiteral("Команда вызова меню"), {16, 56});
    NewStyle_MenuCommand = addControl<QLineEdit>("NewStyle_MenuCommand", {16, 72, 337, 21});
    NewStyle_MenuCommand->setText(QStringLiteral("mymenu"));
    IdentifierKeyFilter(NewStyle_MenuCommand);
    KeepOnOneLine(NewStyle_MenuCommand);
    Label3 = addLabel("Label3", QStringLiteral("Флаг доступа:"), {16, 104});
    NewStyle_Flags = addControl<QComboBox>("NewStyle_Flags", {16, 120, 145, 21});
    for (const char *flag : orvane::AccessFlagNames)
        NewStyle_Flags->addItem(QString::fromLatin1(flag));
    Label2 = addLabel("Label2", QStringLiteral("Пункты меню"), {16, 152});
    NewStyle_AddBtn = addPictureButton("NewStyle_AddBtn", AddPicture, 16,
                                       QStringLiteral("Добавить пункт"), QStringLiteral("Insert"));
    NewStyle_RmvButton =
        addPictureButton("NewStyle_RmvButton", RemovePicture, 40, QStringLiteral("Удалить пункт"),
                         QStringLiteral("Delete"));
    NewStyle_UpBtn = addPictureButton("NewStyle_UpBtn", UpPicture, 64, QStringLiteral("Выше"),
                                      QStringLiteral("Ctrl+Up"));
    NewStyle_DownBtn = addPictureButton("NewStyle_DownBtn", DownPicture, 88, QStringLiteral("Ниже"),
                                        QStringLiteral("Ctrl+Down"));
    NewStyle_Items = addControl<QListWidget>("NewStyle_Items", {8, 200, 353, 241});
    NewStyle_Items->setSelectionMode(QAbstractItemView::SingleSelection);
    // The picture buttons take no focus, so the list carries their keys.
    NewStyle_Items->installEventFilter(this);
    NewStyle_GenerateBtn =
        addPushButton("NewStyle_GenerateBtn", QStringLiteral("Сгенерировать"), {144, 448, 75, 25});
    // In the free corner right of Generate, flush with the item list's right edge.
    NewStyle_PreviewBtn =
        addPushButton("NewStyle_PreviewBtn", QStringLiteral("Предпросмотр"), {264, 448, 97, 25});

    setTabOrder(NewStyle_Title, NewStyle_Items);
    setTabOrder(NewStyle_Items, NewStyle_Flags);
    setTabOrder(NewStyle_Flags, NewStyle_GenerateBtn);
    setTabOrder(NewStyle_GenerateBtn, NewStyle_MenuCommand);
    setTabOrder(NewStyle_MenuCommand, NewStyle_PreviewBtn);

    connect(NewStyle_AddBtn, &QToolButton::clicked, this,
            &TNewStyleMenuEditor::NewStyle_AddBtnClick);
    connect(NewStyle_RmvButton, &QToolButton::clicked, this,
            &TNewStyleMenuEditor::NewStyle_RmvButtonClick);
    connect(NewStyle_UpBtn, &QToolButton::clicked, this, &TNewStyleMenuEditor::NewStyle_UpBtnClick);
    connect(NewStyle_DownBtn, &QToolButton::clicked, this,
            &TNewStyleMenuEditor::NewStyle_DownBtnClick);
    connect(NewStyle_GenerateBtn, &QPushButton::clicked, this,
            &TNewStyleMenuEditor::NewStyle_GenerateBtnClick);
    connect(NewStyle_PreviewBtn, &QPushButton::clicked, this,
            &TNewStyleMenuEditor::NewStyle_PreviewBtnClick);

    for (QLineEdit *edit : {NewStyle_Title, NewStyle_MenuCommand})
        connect(edit, &QLineEdit::textChanged, this, &TNewStyleMenuEditor::MenuChange);
    connect(NewStyle_Flags, &QComboBox::currentIndexChanged, this,
            &TNewStyleMenuEditor::MenuChange);
    QAbstractItemModel *items = NewStyle_Items->model();
    connect(items, &QAbstractItemModel::rowsInserted, this, &TNewStyleMenuEditor::MenuChange);
    connect(items, &QAbstractItemModel::rowsRemoved, this, &TNewStyleMenuEditor::MenuChange);
    connect(items, &QAbstractItemModel::rowsMoved, this, &TNewStyleMenuEditor::MenuChange);
    connect(items, &QAbstractItemModel::dataChanged, this, &TNewStyleMenuEditor::MenuChange);
    connect(items, &QAbstractItemModel::modelReset, this, &TNewStyleMenuEditor::MenuChange);
    FormCreate();
}

// The item list's model resets itself as the list goes, which is after this class's part of the
// window is gone: the change handler must not hear it.
TNewStyleMenuEditor::~TNewStyleMenuEditor() {
    NewStyle_Items->model()->disconnect(this);
    NewStyle_Flags->disconnect(this);
    NewStyle_Title->disconnect(this);
    NewStyle_MenuCommand->disconnect(this);
}

QToolButton *TNewStyleMenuEditor::addPictureButton(const char *name, QPixmap (*picture)(qreal),
                                                   int left, const QString &action,
                                                   const QString &key) {
    auto *button = addControl<QToolButton>(name, {left, 176, 23, 22});
    button->setIcon(DrawnIcon(picture));
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    // A picture says nothing to a screen reader, and the key that does the same is found here.
    button->setToolTip(QStringLiteral("%1 (%2)").arg(action, key));
    button->setAccessibleName(action);
    return button;
}

bool TNewStyleMenuEditor::eventFilter(QObject *watched, QEvent *event) {
    if (watched != NewStyle_Items || event->type() != QEvent::KeyPress)
        return TForm::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Insert) {
        NewStyle_AddBtnClick();
        return true;
    }
    if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Delete) {
        NewStyle_RmvButtonClick();
        return true;
    }
    if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Up) {
        NewStyle_UpBtnClick();
        return true;
    }
    if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Down) {
        NewStyle_DownBtnClick();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TNewStyleMenuEditor::FormCreate() {
    NewStyle_Flags->setCurrentIndex(0);
}

orvane::NewStyleMenu TNewStyleMenuEditor::menu() const {
    orvane::NewStyleMenu menu{
        NewStyle_Title->text(), NewStyle_MenuCommand->text(), NewStyle_Flags->currentText(), {}};
    menu.items.reserve(NewStyle_Items->count());
    for (int row = 0; row < NewStyle_Items->count(); ++row)
        menu.items.append(NewStyle_Items->item(row)->text());
    return menu;
}

int TNewStyleMenuEditor::selectedRow() const {
    const QList<QListWidgetItem *> selected = NewStyle_Items->selectedItems();
    return selected.isEmpty() ? -1 : NewStyle_Items->row(selected.first());
}

void TNewStyleMenuEditor::NewStyle_AddBtnClick() {
    forms.NewStyle_AddItem.exec();
    QLineEdit *edit = forms.NewStyle_AddItem.NewStyle_AddItemEdit;
    // A pasted list arrives as one text of several lines: each line that is not blank becomes
    // an item of its own, in order, so that no item carries a line break.
    bool added = false;
    for (const QString &line : SplitLines(edit->text())) {
        if (orvane::Trimmed(line).isEmpty()) continue;
        NewStyle_Items->addItem(line);
        added = true;
    }
    if (added) edit->clear();
}

void TNewStyleMenuEditor::NewStyle_RmvButtonClick() {
    const int row = selectedRow();
    if (row < 0) return;
    delete NewStyle_Items->takeItem(row);
    // Nothing stays selected, so a second Remove needs a new choice.
    NewStyle_Items->clearSelection();
    NewStyle_Items->setCurrentItem(nullptr);
}

void TNewStyleMenuEditor::moveSelected(int offset) {
    const int row = selectedRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= NewStyle_Items->count()) return;
    NewStyle_Items->insertItem(target, NewStyle_Items->takeItem(row));
    NewStyle_Items->setCurrentRow(target);
}

void TNewStyleMenuEditor::NewStyle_UpBtnClick() {
    moveSelected(-1);
}

void TNewStyleMenuEditor::NewStyle_DownBtnClick() {
    moveSelected(+1);
}

void TNewStyleMenuEditor::NewStyle_GenerateBtnClick() {
    if (orvane::Trimmed(NewStyle_Title->text()).isEmpty()) {
        ShowErrorMessage(this, QStringLiteral("Menu title is empty!\rPlease, enter menu title!"));
        return;
    }
    if (NewStyle_Items->count() == 0) {
        ShowErrorMessage(this, QStringLiteral("You don't have any items in menu!"));
        return;
    }
    if (!ConfirmGenerateDespiteProblems(this, orvane::CheckPlugin(menu()))) return;
    hide();
    forms.Form_Generated.exec();
    closeWindow();
}

void TNewStyleMenuEditor::NewStyle_PreviewBtnClick() {
    TMenuPreview &preview = forms.MenuPreview;
    preview.setMenu(menu());
    preview.openBeside(this);
}

void TNewStyleMenuEditor::MenuChange() {
    if (forms.MenuPreview.isOpenFor(this)) forms.MenuPreview.setMenu(menu());
}
