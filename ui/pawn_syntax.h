#pragma once

#include <QStringView>

#include <vector>

// What a stretch of Pawn source is, for colouring.
enum class PawnToken { Preprocessor, Keyword, String, Number, Comment };

struct PawnSpan {
    qsizetype start;
    qsizetype length;
    PawnToken kind;
    friend bool operator==(const PawnSpan &, const PawnSpan &) = default;
};

// Finds the coloured stretches of one source line and appends them to `spans`, their starts
// counted from `offset`. `inComment` says whether a block comment is open where the line
// begins and, afterwards, whether one is still open at its end. A preprocessor line comes as
// one span over the whole line, followed by the strings and comments inside it, which are to
// be drawn over it. Strings and character literals end at their closing quote or at the end
// of the line; ^ escapes the character after it, as in AMX Mod X's sources.
void ScanPawnLine(QStringView line, qsizetype offset, bool &inComment,
                  std::vector<PawnSpan> &spans);
