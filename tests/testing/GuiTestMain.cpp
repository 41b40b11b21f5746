#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The main of every window test binary: the tests need an application object, and keep away
// from the user's own folders.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QStandardPaths::setTestModeEnabled(true);
    PrepareWebEngine();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
