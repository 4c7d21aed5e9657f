#pragma once

#include "ui/pawn_syntax.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

class QPalette;
class QPlainTextEdit;

// Colours for the kinds of Pawn source, readable on the given palette's text background.
struct PawnColours {
    std::array<QColor, 5> byToken;  // indexed by PawnToken
    QColor of(PawnToken token) const { return byToken[size_t(token)]; }
};
PawnColours PawnColoursFor(const QPalette &palette);

// Colours the Pawn source in a text box as it is shown and edited. Only formats for display
// are added: the document's text is untouched. A paragraph may hold several source lines
// joined by line separators; each is coloured as a line of its own, and an open block comment
// carries over to the next line and paragraph. Follows the box's palette when it changes.
//
// Every paragraph is scanned when it changes, so that comments carry over correctly, but
// only the paragraphs on screen get their colours; the others get them when they are about to
// be drawn. Colouring a large source all at once would take several times as long as
// inserting it.
class PawnHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    // Attaches itself to the box's document; the box owns it.
    explicit PawnHighlighter(QPlainTextEdit *box);

  protected:
    void highlightBlock(const QString &text) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void takeColours();
    void colourVisibleBlocks();

    QPlainTextEdit *box_;
    QWidget *viewport_;
    std::array<QTextCharFormat, 5> formats_;
    std::vector<PawnSpan> spans_;
    // Block numbers of the paragraphs on screen when the box was last drawn.
    int firstShown_ = 0;
    int lastShown_ = 0;
};
