#pragma once

#include "ui/form.h"

class QLineEdit;
class QPushButton;
class QShowEvent;

// Asks for one item text. Both buttons, like the close box, simply close the dialog; the
// editor reads the text box afterwards.
class TNewStyle_AddItem : public TForm {
    Q_OBJECT
  public:
    explicit TNewStyle_AddItem(Forms &forms);

    QLabel *Label1;
    QLineEdit *NewStyle_AddItemEdit;
    QPushButton *Button1;
    QPushButton *Button2;

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void FormShow();
    void Button1Click();
    void Button2Click();
};
