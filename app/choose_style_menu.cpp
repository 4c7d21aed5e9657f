#include "app/choose_style_menu.h"

#include "app/forms.h"
#include "generator/current_menu.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TChooseStyleMenu::TChooseStyleMenu(Forms &forms)
    : TForm(forms, {"ChooseStyleMenu", QStringLiteral("Orvane 1.0.0"), {370, 194}, {502, 467}}) {
    // Created first so that it starts the focus chain: the window opens with Continue focused.
    Button1 = addPushButton("Button1", QStringLiteral("Продолжить"), {144, 160, 75, 25});
    ChooseStyleGroup = addControl<QGroupBox>("ChooseStyleGroup", {8, 15, 353, 137});
    auto *layout = new QVBoxLayout(ChooseStyleGroup);
    layout->setContentsMargins(8, 4, 8, 4);
    auto *group = new QButtonGroup(ChooseStyleGroup);
    const QString captions[2] = {QStringLiteral("New style menu. Need at least AmxMod X 1.5."),
                                 QStringLiteral("Old style menu.")};
    for (int i = 0; i < 2; ++i) {
        entries[i] = new QRadioButton(captions[i], ChooseStyleGroup);
        group->addButton(entries[i], i);
        layout->addWidget(entries[i]);
    }
    setTabOrder(Button1, entries[0]);
    setTabOrder(entries[0], entries[1]);

    connect(Button1, &QPushButton::clicked, this, &TChooseStyleMenu::Button1Click);
    FormCreate();
}

int TChooseStyleMenu::itemIndex() const {
    return entries[1]->isChecked() ? 1 : 0;
}

void TChooseStyleMenu::setItemIndex(int index) {
    entries[index == 1 ? 1 : 0]->setChecked(true);
}

void TChooseStyleMenu::FormCreate() {
    setItemIndex(0);
}

void TChooseStyleMenu::Button1Click() {
    hide();
    if (itemIndex() == 0) {
        orvane::SetCurrentMenu(0);
        forms.NewStyleMenuEditor.exec();
    } else {
        orvane::SetCurrentMenu(1);
        forms.frm_OldStyleMenu.exec();
    }
    closeWindow();
}
