#pragma once

#include "chat/room/WindowTree.h"

#include <functional>

// The Windows desktop through user32. Text goes out through the ANSI calls, as the chat client
// reads it: UTF-8 is converted to the system's ANSI code page first.
class User32WindowTree : public WindowTree
{
public:
    // Dispatches this thread's queued window messages; the default pump when the caller has no
    // event loop of its own.
    static void dispatchQueuedMessages();

    explicit User32WindowTree(std::function<void()> processPendingEvents = dispatchQueuedMessages);

    WindowHandle topLevelWindowOfClass(std::string_view className) const override;
    WindowHandle firstChild(WindowHandle window) const override;
    WindowHandle nextSibling(WindowHandle window) const override;
    void readClassName(WindowHandle window, ClassNameBuffer &buffer) const override;
    void setText(WindowHandle window, const std::string &utf8Text) override;
    void typeCharacter(WindowHandle window, char character) override;
    void processPendingEvents() override;

private:
    std::function<void()> m_processPendingEvents;
};
