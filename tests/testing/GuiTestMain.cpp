#include "tests/testing/GuiTests.h"

// The main of the window tests that need no embedded browser.
int main(int argc, char **argv)
{
    return RunGuiTests(argc, argv);
}
