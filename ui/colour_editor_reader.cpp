#include "ui/colour_editor_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

namespace {

orvane::Rgb rgbOf(const QColor &colour) {
    return colour.rgb() & 0xFFFFFF;
}

// The width the box lays its text out at: it has no scroll bars, so the whole inner width.
qreal layoutWidth(const QTextEdit &box) {
    return box.width() - 2 * box.frameWidth();
}

std::vector<orvane::Rgb> blockColours(const QTextBlock &block, orvane::Rgb defaultColour) {
    std::vector<orvane::Rgb> colours(size_t(std::max(0, block.length() - 1)), defaultColour);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (!format.hasProperty(QTextFormat::ForegroundBrush) ||
            format.foreground().style() == Qt::NoBrush)
            continue;
        const orvane::Rgb colour = rgbOf(format.foreground().color());
        const int begin = fragment.position() - block.position();
        const int end = std::min<int>(begin + fragment.length(), int(colours.size()));
        std::fill(colours.begin() + begin, colours.begin() + end, colour);
    }
    return colours;
}

}  // namespace

orvane::ColouredText ReadColouredLines(QTextEdit &box) {
    QTextDocument &document = *box.document();
    if (document.textWidth() != layoutWidth(box)) document.setTextWidth(layoutWidth(box));
    // Large documents are laid out lazily; asking for the last block's place finishes it.
    document.documentLayout()->blockBoundingRect(document.lastBlock());

    const orvane::Rgb defaultColour = rgbOf(box.palette().color(QPalette::Text));
    orvane::ColouredText lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const std::vector<orvane::Rgb> colours = blockColours(block, defaultColour);
        const QTextLayout *layout = block.layout();
        const int lineCount = layout ? layout->lineCount() : 0;
        if (lineCount == 0) lines.push_back({text, colours});
        for (int i = 0; i < lineCount; ++i) {
            const QTextLine line = layout->lineAt(i);
            int length = line.textLength();
            // A forced line break inside the paragraph ends the line; it is not a character
            // of it.
            if (length > 0 && text[line.textStart() + length - 1] == QChar::LineSeparator) --length;
            lines.push_back({text.mid(line.textStart(), length),
                             {colours.begin() + line.textStart(),
                              colours.begin() + line.textStart() + length}});
        }
    }
    // The empty line after a final line break is only where the caret can go next; this holds
    // for a paragraph break and a forced break (Shift+Enter) alike, and for an empty box.
    if (!lines.empty() && lines.back().text.isEmpty()) lines.pop_back();
    return lines;
}
