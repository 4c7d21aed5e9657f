#include "ui/form_generated.h"

#include "app/forms.h"
#include "generator/generate.h"
#include "output/save_file.h"
#include "ui/message_boxes.h"
#include "ui/result_text.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>

TForm_Generated::TForm_Generated(Forms &forms)
    : TForm(forms, {"Form_Generated",
                    QStringLiteral("Orvane v1.0.0 - Generated menu"),
                    {821, 532},
                    {390, 225}}),
      SaveFileDlg([this] { return makeSaveFileDlg(); }) {
    PluginSource = addControl<QPlainTextEdit>("PluginSource", {8, 8, 809, 473});
    PluginSource->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PluginSource->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PluginSource->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Generated_CopyBtn =
        addPushButton("Generated_CopyBtn", QStringLiteral("Скопировать"), {280, 488, 75, 25});
    Generated_SaveBtn =
        addPushButton("Generated_SaveBtn", QStringLiteral("Сохранить как..."), {376, 488, 89, 25});
    Generated_CloseBtn =
        addPushButton("Generated_CloseBtn", QStringLiteral("Закрыть"), {488, 488, 75, 25});
    setTabOrder(PluginSource, Generated_CopyBtn);
    setTabOrder(Generated_CopyBtn, Generated_SaveBtn);
    setTabOrder(Generated_SaveBtn, Generated_CloseBtn);

    connect(Generated_CopyBtn, &QPushButton::clicked, this,
            &TForm_Generated::Generated_CopyBtnClick);
    connect(Generated_SaveBtn, &QPushButton::clicked, this,
            &TForm_Generated::Generated_SaveBtnClick);
    connect(Generated_CloseBtn, &QPushButton::clicked, this,
            &TForm_Generated::Generated_CloseBtnClick);
}

QFileDialog *TForm_Generated::makeSaveFileDlg() {
    auto *dialog = new QFileDialog(this);
    dialog->setObjectName(QStringLiteral("SaveFileDlg"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilter(QStringLiteral("Исходные коды(*.sma)"));
    return dialog;
}

QString TForm_Generated::SourceLines() const {
    return TextWithLineEnds(*PluginSource->document());
}

void TForm_Generated::showEvent(QShowEvent *event) {
    TForm::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm_Generated::FormShow() {
    const orvane::Generation generation = orvane::Generate(forms);
    appendSource(generation.text);
    if (!generation.failure.isEmpty()) ShowExceptionReport(this, generation.failure);
}

// One insertion for the whole source: appending line by line takes seconds for large menus.
void TForm_Generated::appendSource(const QString &lines) {
    QTextCursor cursor(PluginSource->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(TextForDisplay(lines));
    PluginSource->moveCursor(QTextCursor::End);
}

void TForm_Generated::Generated_CopyBtnClick() {
    PluginSource->selectAll();
    QGuiApplication::clipboard()->setText(SourceLines());
}

void TForm_Generated::Generated_SaveBtnClick() {
    SaveFileDlg->selectFile(QStringLiteral("menu.sma"));
    if (SaveFileDlg->exec() != QDialog::Accepted) return;
    const QStringList chosen = SaveFileDlg->selectedFiles();
    if (chosen.isEmpty()) return;
    const orvane::SaveResult saved = orvane::SaveFileInUTF8(chosen.first(), SourceLines());
    if (!saved.ok) ShowExceptionReport(this, saved.message);
}

void TForm_Generated::Generated_CloseBtnClick() {
    closeWindow();
}
