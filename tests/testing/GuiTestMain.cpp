#include "forms/preview/WebEngineSetup.h"
#include "tests/testing/FreshUserFolders.h"

#include <QApplication>

#include <gtest/gtest.h>

// The main of every window test binary: the tests need an application object, and run in
// user folders of their own, away from the user's and from what earlier runs left.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const FreshUserFolders folders;
    PrepareWebEngine();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
