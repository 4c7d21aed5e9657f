#include "ui/menu_screen_view.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScreenMargin = 16;  // the game draws the menu a little off the screen's edge
constexpr int kBackdropPadding = 8;
constexpr int kCutAlpha = 110;
// Of a menu far over the 511 bytes, this many lines past the cut are drawn; the rest is only
// counted. It keeps a keystroke in a long text as quick as in a short one.
constexpr int kLinesDrawnPastLimit = 8;

// How many lines to draw: all, or those up to a few lines past the 511-byte cut.
int linesToDraw(const orvane::ScreenText &screen) {
    const int count = int(screen.lines.size());
    for (int line = 0; line < count; ++line)
        for (const orvane::ScreenRun &run : screen.lines[line].runs)
            if (run.cut == orvane::ScreenCut::MenuOver511Bytes)
                return std::min(count, line + 1 + kLinesDrawnPastLimit);
    return count;
}

QColor toColor(orvane::Rgb rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

}  // namespace

MenuScreenView::MenuScreenView(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MenuPreview_Screen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_ = gameFont();
    cutFont_ = font_;
    cutFont_.setStrikeOut(true);
    lineHeight_ = int(std::ceil(QFontMetricsF(font_).lineSpacing()));
}

QFont MenuScreenView::gameFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("Tahoma"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    return font;
}

void MenuScreenView::setScreen(const orvane::ScreenText &screen) {
    screen_ = screen;
    pieces_.clear();
    const int lineCount = linesToDraw(screen_);
    omittedLines_ = int(screen_.lines.size()) - lineCount;
    leftWidths_.assign(size_t(lineCount), 0);
    rightWidths_.assign(size_t(lineCount), 0);
    const QFontMetricsF metrics(font_), cutMetrics(cutFont_);
    for (int line = 0; line < lineCount; ++line) {
        for (const orvane::ScreenRun &run : screen_.lines[line].runs) {
            if (run.text.isEmpty()) continue;
            Piece piece;
            piece.cut = run.cut != orvane::ScreenCut::None;
            piece.text.setText(run.text);
            piece.text.setTextFormat(Qt::PlainText);
            piece.text.prepare(QTransform(), piece.cut ? cutFont_ : font_);
            piece.colour = toColor(run.colour);
            if (piece.cut) piece.colour.setAlpha(kCutAlpha);
            piece.line = line;
            piece.rightAligned = run.rightAligned;
            qreal &width = run.rightAligned ? rightWidths_[line] : leftWidths_[line];
            piece.x = width;
            // The advance, not the static text's size: a trailing space must push the next run.
            width += (piece.cut ? cutMetrics : metrics).horizontalAdvance(run.text);
            pieces_.push_back(std::move(piece));
        }
    }
    const qreal widest = std::max(
        leftWidths_.empty() ? 0.0 : *std::max_element(leftWidths_.begin(), leftWidths_.end()),
        rightWidths_.empty() ? 0.0 : *std::max_element(rightWidths_.begin(), rightWidths_.end()));
    const int shownLines = lineCount + (omittedLines_ > 0 ? 1 : 0);
    contentSize_ = QSize(int(std::ceil(widest)) + 2 * (kScreenMargin + kBackdropPadding),
                         shownLines * lineHeight_ + 2 * (kScreenMargin + kBackdropPadding));
    updateGeometry();
    update();
}

QSize MenuScreenView::sizeHint() const {
    return contentSize_.expandedTo(QSize(320, 200));
}

QSize MenuScreenView::minimumSizeHint() const {
    return contentSize_;
}

// Right-aligned text ends at the middle of the screen, as in the game; where the left part of
// the line already reaches past that, it follows it instead of drawing over it.
qreal MenuScreenView::rightPartStart(int line) const {
    const qreal textLeft = kScreenMargin + kBackdropPadding;
    const qreal middle = width() / 2.0;
    return std::max(middle - rightWidths_[size_t(line)], textLeft + leftWidths_[size_t(line)]);
}

void MenuScreenView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());

    // A dim stand-in for the game world behind the menu, so that the backdrop reads as
    // translucent.
    QLinearGradient scene(0, 0, 0, height());
    scene.setColorAt(0, QColor(70, 82, 96));
    scene.setColorAt(0.55, QColor(96, 90, 74));
    scene.setColorAt(1, QColor(58, 50, 40));
    painter.fillRect(rect(), scene);
    if (screen_.lines.isEmpty()) return;

    qreal right = 0;
    for (size_t line = 0; line < leftWidths_.size(); ++line)
        right = std::max(right, rightWidths_[line] > 0
                                    ? rightPartStart(int(line)) + rightWidths_[line]
                                    : kScreenMargin + kBackdropPadding + leftWidths_[line]);
    const qreal backdropHeight =
        (leftWidths_.size() + (omittedLines_ > 0 ? 1 : 0)) * lineHeight_ + 2 * kBackdropPadding;
    // Like the game: centred on the screen's height, a little above the middle to leave room
    // for the chat lines.
    const qreal top = std::max<qreal>(kScreenMargin, (height() - backdropHeight) / 2 - 20);
    const QRectF backdrop(kScreenMargin, top, right + kBackdropPadding - kScreenMargin,
                          backdropHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(backdrop, 4, 4);

    const qreal textLeft = kScreenMargin + kBackdropPadding;
    const qreal textTop = top + kBackdropPadding;
    const int firstLine = std::max(0, int((event->rect().top() - textTop) / lineHeight_));
    const int lastLine = int((event->rect().bottom() - textTop) / lineHeight_);
    for (const Piece &piece : pieces_) {
        if (piece.line < firstLine || piece.line > lastLine) continue;
        const qreal x =
            piece.rightAligned ? rightPartStart(piece.line) + piece.x : textLeft + piece.x;
        painter.setFont(piece.cut ? cutFont_ : font_);
        painter.setPen(piece.colour);
        painter.drawStaticText(QPointF(x, textTop + piece.line * lineHeight_), piece.text);
    }
    if (omittedLines_ > 0) {
        QFont note = font_;
        note.setItalic(true);
        painter.setFont(note);
        painter.setPen(QColor(255, 255, 255, kCutAlpha));
        painter.drawText(QPointF(textLeft, textTop + leftWidths_.size() * lineHeight_ +
                                               QFontMetricsF(note).ascent()),
                         tr("… %n more lines, never shown", nullptr, omittedLines_));
    }
}
