#pragma once

#include "chat/room/WindowTree.h"

#include <functional>

// The desktop where no chat client can run: no window is ever found, so nothing is ever
// delivered. The program's own events still run whenever the search asks for it.
class NoClientWindowTree : public WindowTree
{
public:
    explicit NoClientWindowTree(std::function<void()> processPendingEvents = {});

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
