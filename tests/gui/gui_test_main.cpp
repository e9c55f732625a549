#include "form_runtime/application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Headless unless told otherwise, also when CTest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    form_runtime::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ventrolex"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
