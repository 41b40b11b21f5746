#include "chat/room/testing/InMemoryWindowTree.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr WindowHandle HandleStride =
    sizeof(WindowHandle) > 4 ? WindowHandle {1} << 32 : WindowHandle {1} << 16;

bool equalIgnoringCase(std::string_view left, std::string_view right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
            std::toupper(static_cast<unsigned char>(b));
    });
}

} // namespace

WindowHandle InMemoryWindowTree::addTopLevel(const std::string &className)
{
    const WindowHandle window = add(NoWindow, className, m_topLevel.size());
    m_topLevel.push_back(window);
    return window;
}

WindowHandle InMemoryWindowTree::addChild(WindowHandle parent, const std::string &className)
{
    std::vector<WindowHandle> &siblings = m_windows.at(parent).children;
    const WindowHandle window = add(parent, className, siblings.size());
    siblings.push_back(window);
    return window;
}

WindowHandle InMemoryWindowTree::add(WindowHandle parent, const std::string &className,
                                     std::size_t position)
{
    const WindowHandle window = HandleStride * (m_windows.size() + 1);
    m_windows[window] = Window {className, parent, {}, {}, position};
    return window;
}

const InMemoryWindowTree::Window *InMemoryWindowTree::find(WindowHandle window) const
{
    const auto found = m_windows.find(window);
    return found == m_windows.end() ? nullptr : &found->second;
}

std::string InMemoryWindowTree::textOf(WindowHandle window) const
{
    return m_windows.at(window).text;
}

WindowHandle InMemoryWindowTree::topLevelWindowOfClass(std::string_view className) const
{
    const auto found = std::find_if(m_topLevel.begin(), m_topLevel.end(), [&](WindowHandle w) {
        return equalIgnoringCase(m_windows.at(w).className, className);
    });
    return found == m_topLevel.end() ? NoWindow : *found;
}

WindowHandle InMemoryWindowTree::firstChild(WindowHandle window) const
{
    const Window *parent = find(window);
    return parent == nullptr || parent->children.empty() ? NoWindow : parent->children.front();
}

WindowHandle InMemoryWindowTree::nextSibling(WindowHandle window) const
{
    const Window *current = find(window);
    if (current == nullptr || current->parent == NoWindow) {
        return NoWindow;
    }
    const std::vector<WindowHandle> &siblings = m_windows.at(current->parent).children;
    return current->position + 1 < siblings.size() ? siblings[current->position + 1] : NoWindow;
}

// As the platform does: at most buffer size - 1 characters and a NUL, the rest left alone.
void InMemoryWindowTree::readClassName(WindowHandle window, ClassNameBuffer &buffer) const
{
    const Window *found = find(window);
    if (found == nullptr) {
        return;
    }
    const std::size_t length = std::min(found->className.size(), buffer.size() - 1);
    std::copy_n(found->className.begin(), length, buffer.begin());
    buffer[length] = '\0';
}

void InMemoryWindowTree::setText(WindowHandle window, const std::string &utf8Text)
{
    m_deliveries.push_back({Delivery::Text, window, utf8Text});
    if (const auto found = m_windows.find(window); found != m_windows.end()) {
        found->second.text = utf8Text;
    }
}

void InMemoryWindowTree::typeCharacter(WindowHandle window, char character)
{
    m_deliveries.push_back({Delivery::Character, window, std::string(1, character)});
}

void InMemoryWindowTree::processPendingEvents()
{
    ++m_pumpRuns;
    if (m_pendingEvents) {
        m_pendingEvents();
    }
}
