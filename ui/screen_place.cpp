#include "ui/screen_place.h"

#include <algorithm>

namespace {

int startInside(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

QPoint FramePositionInside(const QRect &frame, const QRect &available) {
    return {startInside(frame.x(), frame.width(), available.x(), available.width()),
            startInside(frame.y(), frame.height(), available.y(), available.height())};
}
