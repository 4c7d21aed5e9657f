#include "ui/key_filters.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

KeyFilter::KeyFilter(Predicate accepts, QObject *parent) : QObject(parent), accepts_(accepts) {}

void KeyFilter::install(QObject *box, Predicate accepts) {
    box->installEventFilter(new KeyFilter(accepts, box));
}

bool KeyFilter::acceptsAll(const QString &text) const {
    for (const QChar c : text)
        if (!accepts_(c)) return false;
    return true;
}

bool KeyFilter::discards(const QKeyEvent &key) const {
    switch (key.key()) {
        case Qt::Key_Delete:
        case Qt::Key_Insert:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return true;
        default:
            break;
    }
    // Ctrl with a letter types a control character (Ctrl+V types 0x16), whatever text the
    // platform attaches to the event; with Alt as well it is AltGr typing a real character.
    const auto modifiers = key.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) &&
        key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return true;
    return !key.text().isEmpty() && !acceptsAll(key.text());
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return discards(*static_cast<QKeyEvent *>(event));
        case QEvent::ShortcutOverride:
            // Claim discarded keys before window shortcuts see them; the key press that
            // follows is then swallowed above.
            if (discards(*static_cast<QKeyEvent *>(event))) {
                event->accept();
                return true;
            }
            return false;
        case QEvent::InputMethod: {
            // Dead keys and compose sequences type through the input method, not key presses.
            const auto *input = static_cast<QInputMethodEvent *>(event);
            return !acceptsAll(input->commitString());
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

bool isIdentifierCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_';
}

bool isDigitCharacter(QChar c) {
    return c >= u'0' && c <= u'9';
}

void IdentifierKeyFilter(QObject *box) {
    KeyFilter::install(box, isIdentifierCharacter);
}

void DigitKeyFilter(QObject *box) {
    KeyFilter::install(box, isDigitCharacter);
}
