#pragma once

#include <QObject>

class QKeyEvent;

// Lets through only the characters `accepts` allows, as they are typed. Keys that type no
// character (Delete, the arrows, Shift+Insert, Ctrl+Insert, Shift+Delete) and the context
// menu are left alone, so pasting through them is not checked. Backspace, Enter, Escape and
// Ctrl with a letter type control characters, which never pass: Ctrl+C, Ctrl+V, Ctrl+X and
// Ctrl+Z do nothing in a filtered box.
class KeyFilter : public QObject {
    Q_OBJECT
  public:
    using Predicate = bool (*)(QChar);
    KeyFilter(Predicate accepts, QObject *parent);

    // Filters what is typed into `box` from now on; the filter belongs to the box.
    static void install(QObject *box, Predicate accepts);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool discards(const QKeyEvent &key) const;
    bool acceptsAll(const QString &text) const;

    Predicate accepts_;
};

bool isIdentifierCharacter(QChar c);  // a-z, A-Z, 0-9 and _
bool isDigitCharacter(QChar c);       // 0-9

// Installs the filter for identifiers (commands, menu names) on a text box.
void IdentifierKeyFilter(QObject *box);
// Installs the filter for handled keys on a text box.
void DigitKeyFilter(QObject *box);
