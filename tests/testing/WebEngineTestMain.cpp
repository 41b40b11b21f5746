#include "forms/preview/WebEngineSetup.h"
#include "tests/testing/GuiTests.h"

// The main of the window tests that may open the preview and its embedded browser.
int main(int argc, char **argv)
{
    return RunGuiTests(argc, argv, PrepareWebEngine);
}
