// Every test program runs with a QApplication on Qt's offscreen platform, so window
// tests and core tests share one main.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Style.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orvanta::ui::applyCharcoalDarkSlate(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
