// GoogleTest main for widget tests: one QApplication for the whole run.

#include <gtest/gtest.h>

#include <QApplication>

#include "SkinLook.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The program's own look, as its windows wear it.
    ApplySkinLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
