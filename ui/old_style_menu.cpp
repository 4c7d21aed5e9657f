#include "ui/old_style_menu.h"

#include "app/forms.h"
#include "ui/colour_editor_reader.h"

#include <QPushButton>
#include <QTextEdit>

namespace {

QColor toColor(orvane::Rgb rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

}  // namespace

Tfrm_OldStyleMenu::Tfrm_OldStyleMenu(Forms &forms)
    : TForm(
          forms,
          {"frm_OldStyleMenu", QStringLiteral("Old Style Orvane 1.0.0"), {450, 305}, {502, 289}}) {
    // Created in tab order, so that the window opens with the focus in the text box.
    OldStyle_MenuEdit = addControl<QTextEdit>("OldStyle_MenuEdit", {8, 48, 433, 217});
    OldStyle_MenuEdit->setAcceptRichText(true);
    OldStyle_MenuEdit->setLineWrapMode(QTextEdit::WidgetWidth);
    OldStyle_MenuEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    OldStyle_MenuEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OldStyle_MenuEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OldStyle_MenuEdit->setTabChangesFocus(true);
    // The menu colours are meant for a black background; keep it whatever the style says.
    QPalette palette = OldStyle_MenuEdit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::white);
    }
    OldStyle_MenuEdit->setPalette(palette);
    OldStyle_MenuEdit->setAutoFillBackground(true);

    Button5 = addPushButton("Button5", QStringLiteral("Продолжить"), {176, 272, 91, 25});
    using orvane::MenuColour::Grey, orvane::MenuColour::Red, orvane::MenuColour::White,
        orvane::MenuColour::Yellow;
    sBitBtn1 = addColourButton("sBitBtn1", QStringLiteral("Белый"), {8, 16, 75, 25}, White);
    Button2 = addColourButton("Button2", QStringLiteral("Желтый"), {96, 16, 73, 25}, Yellow);
    Button3 = addColourButton("Button3", QStringLiteral("Красный"), {184, 16, 75, 25}, Red);
    Button4 = addColourButton("Button4", QStringLiteral("Серый"), {272, 16, 75, 25}, Grey);

    setTabOrder(OldStyle_MenuEdit, Button5);
    setTabOrder(Button5, sBitBtn1);
    setTabOrder(sBitBtn1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    connect(Button5, &QPushButton::clicked, this, &Tfrm_OldStyleMenu::Button5Click);
    FormCreate();
}

QPushButton *Tfrm_OldStyleMenu::addColourButton(const char *name, const QString &caption,
                                                QRect geometry, orvane::Rgb colour) {
    QPushButton *button = addPushButton(name, caption, geometry);
    connect(button, &QPushButton::clicked, this,
            [this, button, colour] { chooseColour(button, colour); });
    return button;
}

void Tfrm_OldStyleMenu::FormCreate() {
    setTypingColour(orvane::MenuColour::White);
    OldStyle_MenuEdit->viewport()->update();
    sBitBtn1->setEnabled(false);
}

void Tfrm_OldStyleMenu::setTypingColour(orvane::Rgb colour) {
    OldStyle_MenuEdit->setTextColor(toColor(colour));
}

// The colour buttons' click handler: the pressed button stays disabled to show the choice.
void Tfrm_OldStyleMenu::chooseColour(QPushButton *pressed, orvane::Rgb colour) {
    setTypingColour(colour);
    ResetButtons();
    pressed->setEnabled(false);
    OldStyle_MenuEdit->setFocus();
}

void Tfrm_OldStyleMenu::ResetButtons() {
    for (QPushButton *button : {sBitBtn1, Button2, Button3, Button4}) button->setEnabled(true);
}

orvane::ColouredText Tfrm_OldStyleMenu::lines() const {
    return ReadColouredLines(*OldStyle_MenuEdit);
}

QString Tfrm_OldStyleMenu::GetOldStyleMenu() const {
    return orvane::MenuTextEncoding(lines());
}

void Tfrm_OldStyleMenu::Button5Click() {
    forms.frm_OldStyleOptions.exec();
    closeWindow();
}
