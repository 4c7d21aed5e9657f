#pragma once

// What the old-style window tests share: typing into the coloured editor, reading its lines
// back in a form GoogleTest can compare and print, and recording the message boxes the
// windows show.

#include "app/forms.h"
#include "generator/coloured_text.h"
#include "tests/ui/modal_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace old_style_test {

// Types `keys` into the box as a user would: '\n' is Enter (a new paragraph), U+2028 is
// Shift+Enter (a line break inside the paragraph), anything else is typed as it is.
inline void typeKeys(QWidget *box, const QString &keys) {
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty()) QTest::keyClicks(box, run);
        run.clear();
    };
    for (const QChar c : keys) {
        if (c == u'\n') {
            flush();
            QTest::keyClick(box, Qt::Key_Return);
        } else if (c == QChar::LineSeparator) {
            flush();
            QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        } else {
            run += c;
        }
    }
    flush();
}

// Types the lines, each but the last followed by Enter.
inline void typeLines(QTextEdit *box, const QStringList &lines) {
    typeKeys(box, lines.join(u'\n'));
}

// A line as text followed by its colours in runs, e.g. "1. Kick" FF0000*3 FFFFFF*4: equal
// lines give equal descriptions, and a failing comparison shows where the colours differ.
inline std::string describe(const orvane::ColouredLine &line) {
    std::string out = '"' + line.text.toStdString() + '"';
    if (line.colours.size() != size_t(line.text.size()))
        out += " (" + std::to_string(line.colours.size()) + " colours)";
    for (size_t i = 0; i < line.colours.size();) {
        size_t end = i;
        while (end < line.colours.size() && line.colours[end] == line.colours[i]) ++end;
        out += ' ' + QString::number(line.colours[i], 16).rightJustified(6, u'0').toStdString() +
               '*' + std::to_string(end - i);
        i = end;
    }
    return out;
}

inline std::vector<std::string> describe(const orvane::ColouredText &lines) {
    std::vector<std::string> out;
    for (const orvane::ColouredLine &line : lines) out.push_back(describe(line));
    return out;
}

inline QString joinedText(const orvane::ColouredText &lines) {
    QString text;
    for (const orvane::ColouredLine &line : lines) text += line.text;
    return text;
}

// A message box as the test saw it before answering it.
struct SeenMessageBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

inline SeenMessageBox see(QMessageBox *box) {
    return {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
}

// The error box that refuses input: caption "Error", the error icon and one OK button.
inline void expectErrorBox(const SeenMessageBox &box, const QString &text) {
    EXPECT_EQ(box.caption, QStringLiteral("Error"));
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

inline const QString kNoKeysMessage = QStringLiteral("Кол-во кнопок не может быть равным нулю!");

inline QString notAnIntegerMessage(const QString &character) {
    return QStringLiteral("'%1' is not a valid integer value").arg(character);
}

// Everything the options window lets the user enter, to show that a refused Generate leaves
// it all as it was.
struct OptionsInputs {
    QString handledKeys;
    QString menuName;
    QString command;
    int accessFlag = -1;

    static OptionsInputs of(const Tfrm_OldStyleOptions &window) {
        return {window.OldStyle_HandledKeys->text(), window.OldStyle_MenuName->text(),
                window.OldStyle_Command->text(), window.OldStyle_AccessFlags->currentIndex()};
    }
    bool operator==(const OptionsInputs &) const = default;
};

inline void PrintTo(const OptionsInputs &inputs, std::ostream *os) {
    *os << "{keys \"" << inputs.handledKeys.toStdString() << "\", name \""
        << inputs.menuName.toStdString() << "\", command \"" << inputs.command.toStdString()
        << "\", flag " << inputs.accessFlag << '}';
}

// Runs the coloured editor modally, as the start window does, with `script` acting inside.
// The script's first step should expect the editor.
inline void runEditor(Forms &forms, ModalScript &script) {
    script.run([&] { forms.frm_OldStyleMenu.exec(); });
}

}  // namespace old_style_test
