// The yardstick for start-up: a Qt program that does nothing but show one window of the start
// window's size. With --text the window shows one line of text as well, so that it loads a
// font as every window with a caption must (on Linux that reads the whole fontconfig set-up).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const bool withText = QCoreApplication::arguments().contains(QStringLiteral("--text"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(370, 194);
    window.move(502, 467);
    if (withText) {
        auto *label = new QLabel(QStringLiteral("Продолжить"), &window);
        label->move(144, 160);
        label->adjustSize();
    }
    window.show();
    return app.exec();
}
