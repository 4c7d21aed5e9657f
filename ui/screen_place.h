#pragma once

#include <QPoint>
#include <QRect>

// Where a window whose frame would lie at `frame` goes so that all of it is inside `available`
// (a screen's area less its task bars): moved just as far as needed. A window larger than the
// area keeps its top left corner, with the title bar, inside it.
QPoint FramePositionInside(const QRect &frame, const QRect &available);
