#pragma once

#include "ui/deferred.h"
#include "ui/form.h"

class QFileDialog;
class QPlainTextEdit;
class QShowEvent;

// Shows the generated plugin source, which the user may edit, copy or save. Showing the
// window is what generates the source.
class TForm_Generated : public TForm {
    Q_OBJECT
  public:
    explicit TForm_Generated(Forms &forms);

    // The text as it stands in the box, every line followed by CR LF.
    QString SourceLines() const;

    QPlainTextEdit *PluginSource;
    QPushButton *Generated_CopyBtn;
    QPushButton *Generated_SaveBtn;
    QPushButton *Generated_CloseBtn;
    // Made on the first Save as: building a file dialog searches the icon theme for its
    // pictures, which would slow down the start of every run.
    Deferred<QFileDialog> SaveFileDlg;

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    QFileDialog *makeSaveFileDlg();
    void appendSource(const QString &lines);

    void FormShow();
    void Generated_CopyBtnClick();
    void Generated_SaveBtnClick();
    void Generated_CloseBtnClick();
};
