#include "ui/pictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace {

const QColor kGreen(0, 150, 0);
const QColor kRed(210, 0, 0);

// Draws in a grid of `logicalSize` units onto a transparent pixmap of that size times the
// ratio. At 1x the small pictures are drawn without antialiasing, pixel by pixel as designed;
// finer grids have the pixels for smooth edges.
template <class Draw>
QPixmap drawn(int logicalSize, qreal devicePixelRatio, bool antialiased, Draw draw) {
    const int pixels = std::max(1, int(std::lround(logicalSize * devicePixelRatio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        painter.scale(qreal(pixels) / logicalSize, qreal(pixels) / logicalSize);
        painter.setPen(Qt::NoPen);
        draw(painter);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

template <class Draw>
QPixmap picture(qreal devicePixelRatio, Draw draw) {
    return drawn(16, devicePixelRatio, devicePixelRatio > 1, draw);
}

QPixmap arrow(bool up, qreal devicePixelRatio) {
    return picture(devicePixelRatio, [up](QPainter &p) {
        p.setBrush(kGreen);
        QPolygon head({QPoint(8, 1), QPoint(15, 8), QPoint(1, 8)});
        QRect shaft(5, 8, 6, 7);
        if (!up) {
            head = QPolygon({QPoint(8, 14), QPoint(15, 7), QPoint(1, 7)});
            shaft = QRect(5, 1, 6, 7);
        }
        p.drawPolygon(head);
        p.drawRect(shaft);
    });
}

class DrawnIconEngine : public QIconEngine {
  public:
    explicit DrawnIconEngine(QPixmap (*picture)(qreal)) : picture_(picture) {}

    QIconEngine *clone() const override { return new DrawnIconEngine(picture_); }
    QString key() const override { return QStringLiteral("DrawnIconEngine"); }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    // `size` is in device pixels: QIcon asks for the logical size times the screen's ratio.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override {
        const int logicalSize = picture_(1).width();
        QPixmap pixmap = picture_(qreal(std::min(size.width(), size.height())) / logicalSize);
        pixmap.setDevicePixelRatio(1);
        if (pixmap.size() != size)
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Normal || mode == QIcon::Active) return pixmap;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        shown.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, shown);
    }

  private:
    QPixmap (*picture_)(qreal);
};

}  // namespace

QPixmap AddPicture(qreal devicePixelRatio) {
    return picture(devicePixelRatio, [](QPainter &p) {
        p.setBrush(kGreen);
        p.drawEllipse(QRect(0, 0, 16, 16));
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.drawRect(QRect(7, 3, 2, 10));
        p.drawRect(QRect(3, 7, 10, 2));
    });
}

QPixmap RemovePicture(qreal devicePixelRatio) {
    return picture(devicePixelRatio, [](QPainter &p) {
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(3, 3, 12, 12);
        p.drawLine(12, 3, 3, 12);
    });
}

QPixmap UpPicture(qreal devicePixelRatio) {
    return arrow(true, devicePixelRatio);
}

QPixmap DownPicture(qreal devicePixelRatio) {
    return arrow(false, devicePixelRatio);
}

QPixmap ProgramIcon(qreal devicePixelRatio) {
    return drawn(64, devicePixelRatio, true, [](QPainter &p) {
        p.setBrush(QColor(0x10, 0x10, 0x10));
        p.drawRoundedRect(QRect(4, 4, 56, 56), 8, 8);
        p.fillRect(QRect(12, 14, 40, 6), QColor(255, 255, 0));
        p.fillRect(QRect(12, 26, 32, 5), Qt::white);
        p.fillRect(QRect(12, 36, 36, 5), Qt::white);
        p.fillRect(QRect(12, 46, 24, 5), QColor(255, 0, 0));
    });
}

QIcon DrawnIcon(QPixmap (*picture)(qreal devicePixelRatio)) {
    return QIcon(new DrawnIconEngine(picture));
}
