#include "ui/old_style_menu.h"

#include "app/forms.h"
#include "game/client_screen.h"
#include "game/menu_pages.h"
#include "ui/colour_editor_reader.h"
#include "ui/menu_preview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

QColor toColor(orvane::Rgb rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

const QColor kOverLimitColour(200, 0, 0);

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

    // Both in the free strip under the text box: the counter left of Continue, the preview
    // button flush with the box's right edge.
    OldStyle_MenuBytes = addControl<QLabel>("OldStyle_MenuBytes", {8, 272, 160, 25});
    OldStyle_MenuBytes->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    OldStyle_PreviewBtn =
        addPushButton("OldStyle_PreviewBtn", QStringLiteral("Предпросмотр"), {344, 272, 97, 25});
    setTabOrder(Button4, OldStyle_PreviewBtn);

    connect(Button5, &QPushButton::clicked, this, &Tfrm_OldStyleMenu::Button5Click);
    connect(OldStyle_PreviewBtn, &QPushButton::clicked, this,
            &Tfrm_OldStyleMenu::OldStyle_PreviewBtnClick);
    // contentsChanged also comes with a recolouring that leaves the characters as they are.
    connect(OldStyle_MenuEdit->document(), &QTextDocument::contentsChanged, this,
            &Tfrm_OldStyleMenu::OldStyle_MenuEditChange);
    FormCreate();
}

// The text box and its document go after this class's part of the window: the change handler
// must not hear them go.
Tfrm_OldStyleMenu::~Tfrm_OldStyleMenu() {
    OldStyle_MenuEdit->document()->disconnect(this);
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
    showMenuBytes(QString());
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

orvane::OldStyleMenu Tfrm_OldStyleMenu::plugin(const orvane::ColouredText &lines,
                                               QString menuString) const {
    const Tfrm_OldStyleOptions &options = forms.frm_OldStyleOptions;
    orvane::OldStyleMenu menu = options.options();
    menu.menuString = std::move(menuString);
    if (!options.isVisible()) menu.handledKeys += orvane::HandledKeysHarvest(lines);
    return menu;
}

void Tfrm_OldStyleMenu::showMenuBytes(const QString &menuString) {
    orvane::OldStyleMenu menu;
    menu.menuString = menuString;
    const qsizetype bytes = orvane::OldStyleMenuText(menu).size();
    OldStyle_MenuBytes->setText(
        QStringLiteral("%1 of %2 bytes").arg(bytes).arg(orvane::kClientMenuBytes));
    QPalette palette = OldStyle_MenuBytes->palette();
    palette.setColor(QPalette::WindowText, bytes > orvane::kClientMenuBytes
                                               ? kOverLimitColour
                                               : this->palette().color(QPalette::WindowText));
    OldStyle_MenuBytes->setPalette(palette);
}

void Tfrm_OldStyleMenu::OldStyle_MenuEditChange() {
    const orvane::ColouredText text = lines();
    QString menuString = orvane::MenuTextEncoding(text);
    showMenuBytes(menuString);
    if (forms.MenuPreview.isOpenFor(this))
        forms.MenuPreview.setMenu(plugin(text, std::move(menuString)));
}

void Tfrm_OldStyleMenu::OldStyle_PreviewBtnClick() {
    const orvane::ColouredText text = lines();
    forms.MenuPreview.setMenu(plugin(text, orvane::MenuTextEncoding(text)));
    forms.MenuPreview.openBeside(this);
}

void Tfrm_OldStyleMenu::Button5Click() {
    forms.frm_OldStyleOptions.exec();
    closeWindow();
}
