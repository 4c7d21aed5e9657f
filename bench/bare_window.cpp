// The yardstick for start-up: a Qt program that does nothing but show one window of the start
// window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(370, 194);
    window.move(502, 467);
    window.show();
    return app.exec();
}
