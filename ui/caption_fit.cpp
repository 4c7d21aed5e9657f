#include "ui/caption_fit.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// Narrower than this, letters run into one another; a caption that still does not fit needs a
// wider button.
constexpr int kNarrowestStretch = 60;

// The width the style leaves for the caption: the contents of the button less the margin.
int captionRoom(const QPushButton &button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    const QStyle *style = button.style();
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width() -
           style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
}

int captionWidth(const QFont &font, const QString &caption) {
    return QFontMetrics(font).horizontalAdvance(caption);
}

}  // namespace

void FitCaption(QPushButton &button) {
    const QString caption = button.text();
    const int room = captionRoom(button);
    QFont font = button.font();
    const int width = captionWidth(font, caption);
    if (width <= room) return;
    // Glyph widths round to whole pixels, so the proportional guess may be a little too wide.
    int stretch = std::max(kNarrowestStretch, 100 * room / width);
    font.setStretch(stretch);
    while (stretch > kNarrowestStretch && captionWidth(font, caption) > room)
        font.setStretch(--stretch);
    button.setFont(font);
}
