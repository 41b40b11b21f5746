#include "chat/room/DesktopWindowTree.h"

#ifdef _WIN32
#include "chat/room/User32WindowTree.h"
#else
#include "chat/room/NoClientWindowTree.h"
#endif

#include <utility>

std::unique_ptr<WindowTree> MakeDesktopWindowTree(std::function<void()> processPendingEvents)
{
#ifdef _WIN32
    if (!processPendingEvents) {
        processPendingEvents = User32WindowTree::dispatchQueuedMessages;
    }
    return std::make_unique<User32WindowTree>(std::move(processPendingEvents));
#else
    return std::make_unique<NoClientWindowTree>(std::move(processPendingEvents));
#endif
}
