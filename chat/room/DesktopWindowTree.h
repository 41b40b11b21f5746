#pragma once

#include "chat/room/WindowTree.h"

#include <functional>
#include <memory>

// The window tree of this desktop: user32 on Windows, a tree without any client elsewhere.
// processPendingEvents is the program's event pump (the GUI passes its own); left empty, Windows
// dispatches the thread's queued messages and other systems do nothing.
std::unique_ptr<WindowTree> MakeDesktopWindowTree(std::function<void()> processPendingEvents = {});
