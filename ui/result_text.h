#pragma once

#include <QString>
#include <QStringView>

class QTextDocument;

// Text with CR LF line ends as a text box shows it: one paragraph per line.
QString TextForDisplay(QStringView lines);

// Every character the document holds (no-break spaces included), each paragraph followed by
// CR LF, the last one included; an empty document gives an empty text.
QString TextWithLineEnds(const QTextDocument &document);
