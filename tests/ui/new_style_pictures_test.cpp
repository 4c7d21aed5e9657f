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
    QPixmap (*picture)(qreal);
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
        EXPECT_EQ(shown, Argb(entry.picture(1)));
    }
}

// The pictures are drawn on white that must drop out whole: no pure white pixel may show,
// and no half-transparent fringe may remain.
TEST(PictureButtons, EveryPureWhitePixelIsTransparent) {
    for (const PictureButton &entry : kPictureButtons) {
        SCOPED_TRACE(entry.name);
        const QImage image = Argb(entry.picture(1));
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

// On a high-density screen each picture is drawn for the screen's pixels, not scaled up from
// 16 x 16: the icon gives a pixmap of the ratio's size, with detail finer than a 1x pixel, and
// still no white.
class PicturesAtAPixelRatio : public testing::TestWithParam<double> {};

TEST_P(PicturesAtAPixelRatio, AreDrawnForTheScreensPixels) {
    const qreal ratio = GetParam();
    const int pixels = int(16 * ratio);
    Forms forms;
    for (const PictureButton &entry : kPictureButtons) {
        SCOPED_TRACE(entry.name);
        const QPixmap shown =
            (forms.NewStyleMenuEditor.*entry.button)->icon().pixmap(QSize(16, 16), ratio);
        EXPECT_EQ(shown.size(), QSize(pixels, pixels));
        EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ratio);
        const QImage image = Argb(shown);
        EXPECT_EQ(image, Argb(entry.picture(ratio)));

        int opaque = 0;
        for (int y = 0; y < pixels; ++y) {
            for (int x = 0; x < pixels; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) continue;
                ++opaque;
                EXPECT_FALSE(qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200)
                    << "white at " << x << ", " << y;
            }
        }
        EXPECT_GT(opaque, 0);
        EXPECT_FALSE(Opaque(image, 0, 0));
        // A picture scaled up from 1x would repeat each of its pixels in a block; a drawn one
        // has edges that cross those blocks.
        if (ratio >= 2) {
            int splitBlocks = 0;
            const int block = int(ratio);
            for (int y = 0; y + block <= pixels; y += block)
                for (int x = 0; x + block <= pixels; x += block)
                    for (int k = 1; k < block * block; ++k)
                        if (image.pixel(x + k % block, y + k / block) != image.pixel(x, y)) {
                            ++splitBlocks;
                            break;
                        }
            EXPECT_GT(splitBlocks, 0);
        }
    }
    // The plus sign stays cut out of the disc at every ratio.
    const QImage add = Argb(AddPicture(ratio));
    EXPECT_FALSE(Opaque(add, int(7.5 * ratio), int(7.5 * ratio)));
    EXPECT_TRUE(Opaque(add, int(4.5 * ratio), int(4.5 * ratio)));
}

INSTANTIATE_TEST_SUITE_P(Ratios, PicturesAtAPixelRatio, testing::Values(1.0, 1.5, 2.0, 3.0),
                         [](const testing::TestParamInfo<double> &info) {
                             return "x" + std::to_string(int(info.param * 10));
                         });

TEST(ProgramIcon, IsDrawnAtEverySizeAskedOf) {
    const QIcon icon = DrawnIcon(ProgramIcon);
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        SCOPED_TRACE(size);
        const QImage image = Argb(icon.pixmap(QSize(size, size), 1.0));
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}
