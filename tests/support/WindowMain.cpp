// Window tests run inside one QApplication with the game's fonts.

#include "view/Fonts.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Windows are drawn offscreen, also when CTest lists the tests.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velmor::loadGameFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
