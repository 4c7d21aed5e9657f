#pragma once

#include "generator/coloured_text.h"
#include "generator/menu_inputs.h"
#include "ui/form.h"

class QTextEdit;

// Where the old-style menu is written as coloured text, one menu line per line.
class Tfrm_OldStyleMenu : public TForm {
    Q_OBJECT
  public:
    explicit Tfrm_OldStyleMenu(Forms &forms);
    ~Tfrm_OldStyleMenu() override;

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
    QPushButton *OldStyle_PreviewBtn;
    // How many of the 511 bytes the player's screen keeps the menu uses; red when over.
    QLabel *OldStyle_MenuBytes;

  private:
    QPushButton *addColourButton(const char *name, const QString &caption, QRect geometry,
                                 orvane::Rgb colour);
    void chooseColour(QPushButton *pressed, orvane::Rgb colour);
    void setTypingColour(orvane::Rgb colour);
    void ResetButtons();

    // The inputs of the plugin as they stand now, with the menu string of `lines`. Before the
    // options window has been shown, its handled keys are those it will harvest from them.
    orvane::OldStyleMenu plugin(const orvane::ColouredText &lines, QString menuString) const;
    void showMenuBytes(const QString &menuString);

    void FormCreate();
    void Button5Click();
    void OldStyle_PreviewBtnClick();
    // Every edit and recolouring: the byte counter and an open preview follow the text.
    void OldStyle_MenuEditChange();
};
