#include "ui/old_style_options.h"

#include "app/forms.h"
#include "generator/access_flags.h"
#include "generator/old_style_template.h"
#include "ui/key_filters.h"
#include "ui/message_boxes.h"
#include "ui/one_line_text.h"
#include "ui/plugin_problems.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

Tfrm_OldStyleOptions::Tfrm_OldStyleOptions(Forms &forms)
    : TForm(forms, {"frm_OldStyleOptions",
                    QStringLiteral("Old style Orvane v1.0.0 - Old style menu options"),
                    {432, 164},
                    {415, 334}}) {
    Label1 = addLabel("Label1", QStringLiteral("Кнопки:"), {16, 24});
    OldStyle_HandledKeys = addControl<QLineEdit>("OldStyle_HandledKeys", {16, 40, 145, 21});
    DigitKeyFilter(OldStyle_HandledKeys);
    KeepOnOneLine(OldStyle_HandledKeys);
    Label2 = addLabel("Label2", QStringLiteral("Имя меню"), {232, 24});
    OldStyle_MenuName = addControl<QLineEdit>("OldStyle_MenuName", {232, 40, 161, 21});
    OldStyle_MenuName->setText(QStringLiteral("My Menu"));
    IdentifierKeyFilter(OldStyle_MenuName);
    KeepOnOneLine(OldStyle_MenuName);
    Label3 = addLabel("Label3", QStringLiteral("Команда для вызова"), {16, 72});
    OldStyle_Command = addControl<QLineEdit>("OldStyle_Command", {16, 88, 145, 21});
    OldStyle_Command->setText(QStringLiteral("mymenu"));
    IdentifierKeyFilter(OldStyle_Command);
    KeepOnOneLine(OldStyle_Command);
    Label4 = addLabel("Label4", QStringLiteral("Флаг доступа"), {232, 72});
    OldStyle_AccessFlags = addControl<QComboBox>("OldStyle_AccessFlags", {232, 88, 161, 21});
    for (const char *flag : orvane::AccessFlagNames)
        OldStyle_AccessFlags->addItem(QString::fromLatin1(flag));
    OldStyle_GenerateBtn =
        addPushButton("OldStyle_GenerateBtn", QStringLiteral("Сгенерировать"), {160, 128, 89, 25});

    setTabOrder(OldStyle_HandledKeys, OldStyle_MenuName);
    setTabOrder(OldStyle_MenuName, OldStyle_GenerateBtn);
    setTabOrder(OldStyle_GenerateBtn, OldStyle_Command);
    setTabOrder(OldStyle_Command, OldStyle_AccessFlags);

    connect(OldStyle_GenerateBtn, &QPushButton::clicked, this,
            &Tfrm_OldStyleOptions::OldStyle_GenerateBtnClick);
}

orvane::OldStyleMenu Tfrm_OldStyleOptions::options() const {
    return {OldStyle_HandledKeys->text(),
            OldStyle_MenuName->text(),
            OldStyle_Command->text(),
            OldStyle_AccessFlags->currentText(),
            {}};
}

void Tfrm_OldStyleOptions::showEvent(QShowEvent *event) {
    TForm::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void Tfrm_OldStyleOptions::FormShow() {
    // Appended to whatever the field holds: it is never cleared.
    OldStyle_HandledKeys->setText(OldStyle_HandledKeys->text() +
                                  orvane::HandledKeysHarvest(forms.frm_OldStyleMenu.lines()));
    OldStyle_AccessFlags->setCurrentIndex(0);
}

void Tfrm_OldStyleOptions::OldStyle_GenerateBtnClick() {
    const QString keys = OldStyle_HandledKeys->text();
    if (keys.isEmpty()) {
        ShowErrorMessage(this, QStringLiteral("Кол-во кнопок не может быть равным нулю!"));
        return;
    }
    // Refused here rather than failing halfway through generation, which would end the
    // chain and lose everything entered.
    if (const auto bad = orvane::firstNonDigit(keys)) {
        ShowErrorMessage(this, orvane::notAnIntegerMessage(*bad));
        return;
    }
    if (!ConfirmGenerateDespiteProblems(this, orvane::CheckPlugin(forms.oldStyleMenu()))) return;
    forms.Form_Generated.exec();
    closeWindow();
}
