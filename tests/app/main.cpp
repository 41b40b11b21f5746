#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    // The program's font list cache goes to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    PrepareWebEngine();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
