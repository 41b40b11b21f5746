#include "tests/testing/FreshUserFolders.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// The main of the tests that need an event loop but no window: they run in user folders of
// their own, away from the user's and from what earlier runs left.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    const FreshUserFolders folders;
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
