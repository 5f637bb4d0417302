// Test entry point: a QApplication exists for the whole run, so widget and painting tests work offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "core/file_ops.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    rorovovo::core::ignoreFileSizeSignal();  // as the program does
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
