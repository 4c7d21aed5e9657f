#include "ui/pawn_highlighter.h"

#include <QEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

// A block's state: whether a block comment is still open at its end, and whether it carries
// its colours (or was only scanned).
constexpr int kInComment = 1;
constexpr int kColoured = 2;

}  // namespace

PawnColours PawnColoursFor(const QPalette &palette) {
    // Dark text on a light background, light text on a dark one; every colour keeps a contrast
    // of at least 4.5:1 against the background it is meant for.
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    if (dark)
        return {{QColor(0xD2, 0x9C, 0xE8), QColor(0x7C, 0xB7, 0xFF), QColor(0x95, 0xD8, 0x8E),
                 QColor(0xF2, 0xB3, 0x6F), QColor(0xA8, 0xAF, 0xB8)}};
    return {{QColor(0x86, 0x2E, 0x9C), QColor(0x00, 0x33, 0xB3), QColor(0x06, 0x7D, 0x17),
             QColor(0xA3, 0x4E, 0x00), QColor(0x6A, 0x6A, 0x6A)}};
}

PawnHighlighter::PawnHighlighter(QPlainTextEdit *box)
    : QSyntaxHighlighter(box->document()), box_(box), viewport_(box->viewport()) {
    setParent(box);
    takeColours();
    box->installEventFilter(this);
    viewport_->installEventFilter(this);
}

void PawnHighlighter::takeColours() {
    const PawnColours colours = PawnColoursFor(box_->palette());
    for (size_t k = 0; k < formats_.size(); ++k) {
        formats_[k] = QTextCharFormat();
        formats_[k].setForeground(colours.byToken[k]);
    }
}

bool PawnHighlighter::eventFilter(QObject *watched, QEvent *event) {
    // Compared by address only: the box sends events while it is being destroyed, when its
    // members may no longer be called.
    if (event->type() == QEvent::PaletteChange && watched == box_) {
        takeColours();
        rehighlight();
    } else if (event->type() == QEvent::Paint && watched == viewport_) {
        colourVisibleBlocks();
    }
    return QSyntaxHighlighter::eventFilter(watched, event);
}

void PawnHighlighter::colourVisibleBlocks() {
    const QTextBlock top = box_->cursorForPosition({0, 0}).block();
    const QTextBlock bottom = box_->cursorForPosition({0, viewport_->height()}).block();
    if (!top.isValid() || !bottom.isValid()) return;
    firstShown_ = top.blockNumber();
    lastShown_ = bottom.blockNumber();
    for (QTextBlock block = top; block.isValid() && block.blockNumber() <= lastShown_;
         block = block.next()) {
        if (!(block.userState() & kColoured)) rehighlightBlock(block);
    }
}

void PawnHighlighter::highlightBlock(const QString &text) {
    const int previous = previousBlockState();
    bool inComment = previous != -1 && (previous & kInComment);
    spans_.clear();
    const QStringView block(text);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= block.size(); ++i) {
        if (i < block.size() && block[i] != QChar::LineSeparator) continue;
        ScanPawnLine(block.sliced(lineStart, i - lineStart), lineStart, inComment, spans_);
        lineStart = i + 1;
    }
    const int number = currentBlock().blockNumber();
    const bool shown = number >= firstShown_ && number <= lastShown_;
    if (shown)
        for (const PawnSpan &span : spans_)
            setFormat(int(span.start), int(span.length), formats_[size_t(span.kind)]);
    setCurrentBlockState((inComment ? kInComment : 0) | (shown ? kColoured : 0));
}
