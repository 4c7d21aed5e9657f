// The editor's four picture buttons and their pictures.
#include "app/forms.h"
#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QToolButton>

namespace {

struct PictureButton {
    const char *name;
    QToolButton *TNewStyleMenuEditor::*button;
    QPixmap (*picture)();
};

const PictureButton kPictureButtons[] = {
    {"NewStyle_AddBtn", &TNewStyleMenuEditor::NewStyle_AddBtn, AddPicture},
    {"NewStyle_RmvButton", &TNewStyleMenuEditor::NewStyle_RmvButton, RemovePicture},
    {"NewStyle_UpBtn", &TNewStyleMenuEditor::NewStyle_UpBtn, UpPicture},
    {"NewStyle_DownBtn", &TNewStyleMenuEditor::NewStyle_DownBtn, DownPicture},
};

QImage Argb(const QPixmap &pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool Opaque(const QImage &image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 255;
}

int OpaqueInRow(const QImage &image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) count += Opaque(image, x, y);
    return count;
}

}  // namespace

TEST(PictureButtons, TakeNoFocusAndShowTheirPictureAt16By16) {
    Forms forms;
    for (const PictureButton &entry : kPictureButtons) {
        SCOPED_TRACE(entry.name);
        QToolButton *button = forms.NewStyleMenuEditor.*entry.button;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        const QImage shown = Argb(button->icon().pixmap(QSize(16, 16)));
        EXPECT_EQ(shown.size(), QSize(16, 16));
        EXPECT_EQ(shown, Argb(entry.picture()));
    }
}

// The pictures are drawn on white that must drop out whole: no pure white pixel may show,
// and no half-transparent fringe may remain.
TEST(PictureButtons, EveryPureWhitePixelIsTransparent) {
    for (const PictureButton &entry : kPictureButtons) {
        SCOPED_TRACE(entry.name);
        const QImage image = Argb(entry.picture());
        ASSERT_EQ(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = image.pixel(x, y);
                EXPECT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << x << ", " << y;
                if (qAlpha(pixel) == 0) continue;
                ++opaque;
                EXPECT_NE(pixel | 0xff000000u, 0xffffffffu) << "white at " << x << ", " << y;
            }
        }
        EXPECT_GT(opaque, 0);
        EXPECT_LT(opaque, 16 * 16);
        EXPECT_FALSE(Opaque(image, 0, 0));
    }
}

TEST(PictureButtons, AddShowsAPlusCutOutOfAGreenDisc) {
    const QImage image = Argb(AddPicture());
    // The plus sign: its centre and the ends of both bars.
    for (const QPoint p :
         {QPoint(7, 7), QPoint(8, 8), QPoint(7, 4), QPoint(8, 11), QPoint(4, 7), QPoint(11, 8)})
        EXPECT_FALSE(Opaque(image, p.x(), p.y())) << p.x() << ", " << p.y();
    // The disc between the bars.
    for (const QPoint p : {QPoint(4, 4), QPoint(11, 4), QPoint(4, 11), QPoint(11, 11)}) {
        const QRgb pixel = image.pixel(p);
        EXPECT_EQ(qAlpha(pixel), 255) << p.x() << ", " << p.y();
        EXPECT_GT(qGreen(pixel), 100);
        EXPECT_LT(qRed(pixel), 50);
        EXPECT_LT(qBlue(pixel), 50);
    }
}

TEST(PictureButtons, RemoveIsRedAndTheArrowsPointTheirWay) {
    const QImage cross = Argb(RemovePicture());
    const QRgb centre = cross.pixel(8, 8);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_GT(qRed(centre), 150);
    EXPECT_LT(qGreen(centre), 50);

    // An arrow is widest at its head.
    const QImage up = Argb(UpPicture());
    EXPECT_GT(OpaqueInRow(up, 6), OpaqueInRow(up, 12));
    const QImage down = Argb(DownPicture());
    EXPECT_GT(OpaqueInRow(down, 9), OpaqueInRow(down, 3));
    EXPECT_GT(qGreen(up.pixel(8, 10)), 100);
    EXPECT_GT(qGreen(down.pixel(8, 5)), 100);
}
