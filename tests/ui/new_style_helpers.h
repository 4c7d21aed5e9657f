#pragma once

// Small pieces shared by the widget tests of the new-style path and the window tests.

#include "app/forms.h"
#include "tests/ui/modal_script.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>

// GoogleTest prints QStrings as text instead of bytes.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

namespace new_style_test {

// Counts how often a window is shown.
class ShowCounter : public QObject {
  public:
    explicit ShowCounter(QWidget *window) { window->installEventFilter(this); }
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Show) ++count_;
        return false;
    }

  private:
    int count_ = 0;
};

// What a message box showed, read before it is closed.
struct SeenMessageBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    qsizetype buttonCount = 0;
};

// Reads the box and presses its OK button, as the user would.
inline SeenMessageBox ReadAndConfirm(QMessageBox *box) {
    SeenMessageBox seen{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                        box->buttons().size()};
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->reject();
    return seen;
}

inline void ExpectErrorBox(const SeenMessageBox &seen, const QString &text) {
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.buttonCount, 1);
}

// Puts a menu into the editor the way generation reads it, without the Add Item dialog.
inline void FillEditor(Forms &forms, const QString &title, const QStringList &items) {
    forms.NewStyleMenuEditor.NewStyle_Title->setText(title);
    forms.NewStyleMenuEditor.NewStyle_Items->addItems(items);
}

inline QStringList ItemTexts(const QListWidget &list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts.append(list.item(row)->text());
    return texts;
}

inline QByteArray FileBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// One key press and release with the text it types.
struct Key {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

inline void Press(QWidget *widget, const Key &key) {
    QTest::sendKeyEvent(QTest::Click, widget, key.key, key.text, key.modifiers);
}

}  // namespace new_style_test
