#include "ui/new_style_add_item.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <limits>

TNewStyle_AddItem::TNewStyle_AddItem(Forms &forms)
    : TForm(forms, {"NewStyle_AddItem", QStringLiteral("Add Item"), {361, 99}, {461, 421}}) {
    Label1 = addLabel("Label1", QStringLiteral("Item Text"), {8, 16});
    NewStyle_AddItemEdit = addControl<QLineEdit>("NewStyle_AddItemEdit", {8, 32, 345, 21});
    // Item texts of any length are supported; a line edit would cut them at 32767 characters.
    NewStyle_AddItemEdit->setMaxLength(std::numeric_limits<int>::max());
    Button1 = addPushButton("Button1", QStringLiteral("Add"), {88, 64, 75, 25});
    Button2 = addPushButton("Button2", QStringLiteral("Close"), {176, 64, 75, 25});
    setTabOrder(NewStyle_AddItemEdit, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, &TNewStyle_AddItem::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TNewStyle_AddItem::Button2Click);
}

void TNewStyle_AddItem::showEvent(QShowEvent *event) {
    TForm::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TNewStyle_AddItem::FormShow() {
    NewStyle_AddItemEdit->clear();
    NewStyle_AddItemEdit->setFocus();
}

void TNewStyle_AddItem::Button1Click() {
    closeWindow();
}

void TNewStyle_AddItem::Button2Click() {
    closeWindow();
}
