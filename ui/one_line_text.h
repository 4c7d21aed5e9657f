#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QLineEdit;

// The line breaks a pasted or dropped text may carry: LF, CR, the pair CR LF, and the Unicode
// line and paragraph separators. A one-line box must never hold one: it would end up inside a
// string literal of the generated plugin, which then no longer compiles.
bool IsLineBreak(QChar c);

// The text on one line: each line break (CR LF counted as one) becomes a space.
QString JoinedLines(QStringView text);

// The text's lines, split at each line break (CR LF counted as one). A text without a break is
// one line; an empty text is one empty line.
QStringList SplitLines(QStringView text);

// Keeps `box` on one line however text arrives (typing, Ctrl+V, Shift+Insert, the context
// menu, drag and drop, an input method, setText): each line break becomes a space.
void KeepOnOneLine(QLineEdit *box);
