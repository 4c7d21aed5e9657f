#pragma once

// What the preview tests share: reading the preview's screen back as text, and pressing the
// menu keys the way the window system delivers them, so that a window blocked by a modal one
// would not get them.

#include "game/client_screen.h"
#include "ui/menu_preview.h"
#include "ui/menu_screen_view.h"

#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <ostream>

namespace preview_test {

// The lines the player sees: every run the game does not cut, in order; no empty lines at the
// end.
inline QStringList ShownLines(const TMenuPreview &preview) {
    QStringList lines;
    for (const orvane::ScreenLine &line : preview.MenuPreview_Screen->screen().lines) {
        QString text;
        for (const orvane::ScreenRun &run : line.runs)
            if (run.cut == orvane::ScreenCut::None) text += run.text;
        lines.append(text);
    }
    // The empty line after the menu's last line break is nothing the player sees.
    while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

inline QString ShownText(const TMenuPreview &preview) {
    return ShownLines(preview).join(u'\n');
}

// The runs of one colour anywhere on the screen, joined, shown or cut.
inline QString TextInColour(const TMenuPreview &preview, orvane::Rgb colour) {
    QString text;
    for (const orvane::ScreenLine &line : preview.MenuPreview_Screen->screen().lines)
        for (const orvane::ScreenRun &run : line.runs)
            if (run.colour == colour) text += run.text;
    return text;
}

inline bool AnyRunCut(const TMenuPreview &preview, orvane::ScreenCut cut) {
    for (const orvane::ScreenLine &line : preview.MenuPreview_Screen->screen().lines)
        for (const orvane::ScreenRun &run : line.runs)
            if (run.cut == cut) return true;
    return false;
}

// Types `text` as key presses, Cyrillic included (QTest::keyClicks takes only ASCII); '\n' is
// Enter.
inline void TypeText(QWidget *widget, const QString &text) {
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::sendKeyEvent(
                QTest::Click, widget,
                c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c),
                Qt::NoModifier);
    }
}

// A number key pressed on the keyboard while the preview is the active window.
inline void PressMenuKey(TMenuPreview &preview, char digit) {
    QWindow *window = preview.windowHandle();
    const auto key = Qt::Key(Qt::Key_0 + (digit - '0'));
    if (window)
        QTest::keyClick(window, key);
    else
        QTest::keyClick(&preview, key);
}

}  // namespace preview_test
