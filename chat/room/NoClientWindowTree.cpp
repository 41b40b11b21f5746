#include "chat/room/NoClientWindowTree.h"

#include <utility>

NoClientWindowTree::NoClientWindowTree(std::function<void()> processPendingEvents)
    : m_processPendingEvents(std::move(processPendingEvents))
{ }

WindowHandle NoClientWindowTree::topLevelWindowOfClass(std::string_view) const
{
    return NoWindow;
}

WindowHandle NoClientWindowTree::firstChild(WindowHandle) const
{
    return NoWindow;
}

WindowHandle NoClientWindowTree::nextSibling(WindowHandle) const
{
    return NoWindow;
}

void NoClientWindowTree::readClassName(WindowHandle, ClassNameBuffer &) const { }

void NoClientWindowTree::setText(WindowHandle, const std::string &) { }

void NoClientWindowTree::typeCharacter(WindowHandle, char) { }

void NoClientWindowTree::processPendingEvents()
{
    if (m_processPendingEvents) {
        m_processPendingEvents();
    }
}
