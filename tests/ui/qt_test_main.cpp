// Runs GoogleTest inside a QApplication. Tests set their own platform: offscreen unless the
// environment names another, so they need no display.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
