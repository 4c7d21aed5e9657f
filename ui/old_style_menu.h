#pragma once

#include "generator/coloured_text.h"
#include "ui/form.h"

class QTextEdit;

// Where the old-style menu is written as coloured text, one menu line per line.
class Tfrm_OldStyleMenu : public TForm {
    Q_OBJECT
  public:
    explicit Tfrm_OldStyleMenu(Forms &forms);

    // The lines as the box wraps them, each character with its colour.
    orvane::ColouredText lines() const;
    // The menu string for show_menu.
    QString GetOldStyleMenu() const;

    QPushButton *sBitBtn1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QTextEdit *OldStyle_MenuEdit;
    QPushButton *Button5;

  private:
    QPushButton *addColourButton(const char *name, const QString &caption, QRect geometry,
                                 orvane::Rgb colour);
    void chooseColour(QPushButton *pressed, orvane::Rgb colour);
    void setTypingColour(orvane::Rgb colour);
    void ResetButtons();

    void FormCreate();
    void Button5Click();
};
