#pragma once

#include "ui/form.h"

class QGroupBox;
class QRadioButton;

// The start window and the program's main window: the user picks the menu style here.
class TChooseStyleMenu : public TForm {
    Q_OBJECT
  public:
    explicit TChooseStyleMenu(Forms &forms);

    // The chosen radio entry: 0 new style, 1 old style.
    int itemIndex() const;
    void setItemIndex(int index);

    QGroupBox *ChooseStyleGroup;
    QPushButton *Button1;

  private:
    QRadioButton *entries[2];

    void FormCreate();
    void Button1Click();
};
