#include "ui/pictures.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {

const QColor kGreen(0, 150, 0);
const QColor kRed(210, 0, 0);

// Draws without antialiasing so that the background stays pure white and drops out whole.
template <class Draw>
QPixmap picture(Draw draw) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        draw(painter);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return pixmap;
}

QPixmap arrow(bool up) {
    return picture([up](QPainter &p) {
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

}  // namespace

QPixmap AddPicture() {
    return picture([](QPainter &p) {
        p.setBrush(kGreen);
        p.drawEllipse(QRect(0, 0, 16, 16));
        p.setBrush(Qt::white);
        p.drawRect(QRect(7, 3, 2, 10));
        p.drawRect(QRect(3, 7, 10, 2));
    });
}

QPixmap RemovePicture() {
    return picture([](QPainter &p) {
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(3, 3, 12, 12);
        p.drawLine(12, 3, 3, 12);
    });
}

QPixmap UpPicture() {
    return arrow(true);
}

QPixmap DownPicture() {
    return arrow(false);
}

QPixmap ProgramIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawRoundedRect(QRect(4, 4, 56, 56), 8, 8);
    p.fillRect(QRect(12, 14, 40, 6), QColor(255, 255, 0));
    p.fillRect(QRect(12, 26, 32, 5), Qt::white);
    p.fillRect(QRect(12, 36, 36, 5), Qt::white);
    p.fillRect(QRect(12, 46, 24, 5), QColor(255, 0, 0));
    return pixmap;
}
