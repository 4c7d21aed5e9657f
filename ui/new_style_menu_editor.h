#pragma once

#include "generator/menu_inputs.h"
#include "ui/form.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QToolButton;

// Collects the new-style menu: title, command, access flag and the item list, which is the
// only place the items are kept.
class TNewStyleMenuEditor : public TForm {
    Q_OBJECT
  public:
    explicit TNewStyleMenuEditor(Forms &forms);
    ~TNewStyleMenuEditor() override;

    // The menu as the controls hold it now.
    orvane::NewStyleMenu menu() const;

    QLabel *Label1;
    QLineEdit *NewStyle_Title;
    QLabel *Label4;
    QLineEdit *NewStyle_MenuCommand;
    QLabel *Label3;
    QComboBox *NewStyle_Flags;
    QLabel *Label2;
    QToolButton *NewStyle_AddBtn;
    QToolButton *NewStyle_RmvButton;
    QToolButton *NewStyle_UpBtn;
    QToolButton *NewStyle_DownBtn;
    QListWidget *NewStyle_Items;
    QPushButton *NewStyle_GenerateBtn;
    QPushButton *NewStyle_PreviewBtn;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QToolButton *addPictureButton(const char *name, QPixmap (*picture)(qreal), int left,
                                  const QString &action, const QString &key);
    int selectedRow() const;
    void moveSelected(int offset);

    void FormCreate();
    void NewStyle_AddBtnClick();
    void NewStyle_RmvButtonClick();
    void NewStyle_UpBtnClick();
    void NewStyle_DownBtnClick();
    void NewStyle_GenerateBtnClick();
    void NewStyle_PreviewBtnClick();
    // Keeps an open preview in step with the controls.
    void MenuChange();
};
