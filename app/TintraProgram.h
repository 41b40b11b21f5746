#pragma once

#include "chat/WindowTree.h"
#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "winhelpers/QtDialogs.h"
#include "winhelpers/Services.h"

#include <memory>

// The running program: its services (the desktop's window tree among them) and its main window,
// filled with the installed fonts and the sizes "1" to "7" and slid into view. The application
// quits when the main window's farewell ends.
class TintraProgram
{
public:
    TintraProgram();

    Tintra3 &mainWindow() { return m_mainWindow; }

private:
    QtDialogs m_dialogs;
    RandomSource m_random;
    std::unique_ptr<WindowTree> m_desktop;
    Services m_services;
    Tintra3 m_mainWindow;
};
