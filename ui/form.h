#pragma once

#include <QDialog>
#include <QPoint>
#include <QSize>

class QLabel;
class QPushButton;
class QKeyEvent;

class Forms;

// A window of the program: fixed client size, fixed border with only a close box, its own
// screen position and the program's font. Each window shows the next one with exec() and
// closes itself when that one ends.
class TForm : public QDialog {
    Q_OBJECT
  public:
    struct Definition {
        const char *instanceName;
        QString caption;
        QSize clientSize;
        QPoint screenPosition;
    };

    // Ends the window, and its exec() if one is running, whether or not the window is still
    // visible (QDialog::close() does neither for a hidden dialog).
    void closeWindow();

    // Opens the window where it was put, or, where that would leave part of it off its screen
    // (a high scale factor makes the screen smaller in the windows' units), just inside.
    void setVisible(bool visible) override;

  protected:
    TForm(Forms &forms, const Definition &definition);

    QLabel *addLabel(const char *name, const QString &caption, QPoint position);
    QPushButton *addPushButton(const char *name, const QString &caption, QRect geometry);
    template <class Control>
    Control *addControl(const char *name, QRect geometry) {
        auto *control = new Control(this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(geometry);
        return control;
    }

    // Escape does not close these windows: none of them has a cancel button.
    void keyPressEvent(QKeyEvent *event) override;

    Forms &forms;

  private:
    void keepOnScreen(const QRect &frame);
};

// MS Sans Serif 8 pt: 11 pixels high, or the nearest sans-serif font where it is missing.
QFont programFont();
