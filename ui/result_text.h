#pragma once

#include <QString>
#include <QStringView>

class QTextDocument;

// Text with CR LF line ends as the result box shows it. Each line end becomes a line
// separator, which breaks the line on screen like a paragraph end does; only every 32nd line
// and the last one end a paragraph. A text box inserts a paragraph about twenty times slower
// than a line, which for a large menu (300,000 lines) makes the difference between seconds
// and a few dozen milliseconds.
QString TextForDisplay(QStringView lines);

// Every character the document holds (no-break spaces included), with each line break (end of
// paragraph or line separator) turned into CR LF and the last line followed by CR LF too; an
// empty document gives an empty text.
QString TextWithLineEnds(const QTextDocument &document);
