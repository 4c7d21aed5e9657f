#pragma once

#include "generator/menu_inputs.h"
#include "ui/form.h"

class QComboBox;
class QLineEdit;
class QShowEvent;

// The rest of the old-style menu: handled keys, menu name, command and access flag.
class Tfrm_OldStyleOptions : public TForm {
    Q_OBJECT
  public:
    explicit Tfrm_OldStyleOptions(Forms &forms);

    // The options as the controls hold them now; the menu string is left to the caller.
    orvane::OldStyleMenu options() const;

    QLabel *Label1;
    QLineEdit *OldStyle_HandledKeys;
    QLabel *Label2;
    QLineEdit *OldStyle_MenuName;
    QLabel *Label3;
    QLineEdit *OldStyle_Command;
    QLabel *Label4;
    QComboBox *OldStyle_AccessFlags;
    QPushButton *OldStyle_GenerateBtn;

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void FormShow();
    void OldStyle_GenerateBtnClick();
};
