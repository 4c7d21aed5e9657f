#pragma once

#include "generator/coloured_text.h"

class QTextEdit;

// The lines of a rich text box as it wraps them at its width, top to bottom, each character
// with its colour; a character whose format sets none has the box's text colour. An empty
// last line (after a final paragraph or forced line break, or of an empty box) does not
// count. The box need not have been shown: the document is laid out at the box's width
// first.
orvane::ColouredText ReadColouredLines(QTextEdit &box);
