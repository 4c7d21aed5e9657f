// Windows open at their places, or just inside their screen where a place would leave part of
// a window off it.
#include "app/forms.h"
#include "ui/screen_place.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

namespace {

struct PlaceCase {
    const char *name;
    QRect frame;
    QRect available;
    QPoint expected;
};

const QRect k1280x1024(0, 0, 1280, 1024);
// The same screen at a scale factor of 2, in the windows' units.
const QRect kScale2(0, 0, 640, 512);

}  // namespace

TEST(FramePositionInside, MovesAWindowJustInsideTheAvailableArea) {
    const PlaceCase cases[] = {
        // At 1x every window keeps its place.
        {"start window, 1x", {502, 467, 370, 194}, k1280x1024, {502, 467}},
        {"new-style editor, 1x", {561, 223, 372, 483}, k1280x1024, {561, 223}},
        {"Add Item, 1x", {461, 421, 361, 99}, k1280x1024, {461, 421}},
        {"result window, 1x", {390, 225, 821, 532}, k1280x1024, {390, 225}},
        {"coloured text editor, 1x", {502, 289, 450, 305}, k1280x1024, {502, 289}},
        {"options window, 1x", {415, 334, 432, 164}, k1280x1024, {415, 334}},
        {"result window with a frame, 1x", {386, 200, 829, 561}, k1280x1024, {386, 200}},
        // At 2x they move in from the right and the bottom, no further than needed.
        {"start window, 2x", {502, 467, 370, 194}, kScale2, {270, 318}},
        {"new-style editor, 2x", {561, 223, 372, 483}, kScale2, {268, 29}},
        {"Add Item, 2x", {461, 421, 361, 99}, kScale2, {279, 413}},
        {"coloured text editor, 2x", {502, 289, 450, 305}, kScale2, {190, 207}},
        {"options window, 2x: only across", {415, 334, 432, 164}, kScale2, {208, 334}},
        {"touching the corner stays", {270, 318, 370, 194}, kScale2, {270, 318}},
        // Larger than the screen: the top left corner, with the title bar, stays on it.
        {"result window, 2x", {390, 225, 821, 532}, kScale2, {0, 0}},
        {"taller only", {100, 100, 200, 600}, kScale2, {100, 0}},
        // Off the top or the left, and areas that do not start at 0.
        {"above and left of the screen", {-30, -10, 100, 100}, kScale2, {0, 0}},
        {"under a task bar at the top", {10, 5, 100, 100}, {0, 40, 1280, 984}, {10, 40}},
        {"second screen to the right", {1200, 100, 300, 200}, {1280, 0, 1024, 768}, {1280, 100}},
        {"past the second screen", {2200, 700, 300, 200}, {1280, 0, 1024, 768}, {2004, 568}},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FramePositionInside(c.frame, c.available), c.expected);
    }
}

// Offscreen, the screen is 800 x 600: every window but one lies partly beyond it at its place.
TEST(Windows, OpenInsideTheirScreen) {
    Forms forms;
    for (TForm *window : {static_cast<TForm *>(&forms.ChooseStyleMenu),
                          static_cast<TForm *>(&forms.NewStyleMenuEditor),
                          static_cast<TForm *>(&forms.NewStyle_AddItem),
                          static_cast<TForm *>(&forms.Form_Generated),
                          static_cast<TForm *>(&forms.frm_OldStyleMenu),
                          static_cast<TForm *>(&forms.frm_OldStyleOptions)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QPoint place = window->pos();
        window->show();
        QApplication::processEvents();
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        if (frame.width() <= available.width()) {
            EXPECT_GE(frame.left(), available.left());
            EXPECT_LE(frame.right(), available.right());
            // Moved only as far as needed: kept its place or touches the right edge.
            EXPECT_TRUE(frame.left() == place.x() || frame.right() == available.right());
        } else {
            EXPECT_EQ(frame.left(), available.left());
        }
        if (frame.height() <= available.height()) {
            EXPECT_GE(frame.top(), available.top());
            EXPECT_LE(frame.bottom(), available.bottom());
            EXPECT_TRUE(frame.top() == place.y() || frame.bottom() == available.bottom());
        } else {
            EXPECT_EQ(frame.top(), available.top());
        }
        window->hide();
    }
}
