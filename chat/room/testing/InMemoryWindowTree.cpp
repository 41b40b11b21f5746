#include "chat/room/testing/InMemoryWindowTree.h"

#include <algorithm>
#include <cctype>

std::size_t InMemoryWindowTree::indexOf(WindowHandle window) const
{
    const bool exists = window != NoWindow && window % HandleStride == 0 &&
        window / HandleStride <= m_windows.size();
    return exists ? window / HandleStride - 1 : m_windows.size();
}

WindowHandle InMemoryWindowTree::firstFrom(std::size_t index, WindowHandle parent) const
{
    for (; index < m_windows.size(); ++index) {
        if (m_windows[index].parent == parent)
            return HandleStride * (index + 1);
    }
    return NoWindow;
}

WindowHandle InMemoryWindowTree::topLevelWindowOfClass(std::string_view className) const
{
    const auto sameName = [&](const Window &window) {
        return std::ranges::equal(window.className, className, [](char a, char b) {
            return std::toupper(static_cast<unsigned char>(a)) ==
                std::toupper(static_cast<unsigned char>(b));
        });
    };
    for (std::size_t index = 0; index < m_windows.size(); ++index) {
        if (m_windows[index].parent == NoWindow && sameName(m_windows[index]))
            return HandleStride * (index + 1);
    }
    return NoWindow;
}

WindowHandle InMemoryWindowTree::firstChild(WindowHandle window) const
{
    const std::size_t index = indexOf(window);
    return index < m_windows.size() ? firstFrom(index + 1, window) : NoWindow;
}

WindowHandle InMemoryWindowTree::nextSibling(WindowHandle window) const
{
    const std::size_t index = indexOf(window);
    if (index == m_windows.size() || m_windows[index].parent == NoWindow)
        return NoWindow;
    return firstFrom(index + 1, m_windows[index].parent);
}

// As the platform does: at most buffer size - 1 characters and a NUL, the rest left alone.
void InMemoryWindowTree::readClassName(WindowHandle window, ClassNameBuffer &buffer) const
{
    const std::size_t index = indexOf(window);
    if (index == m_windows.size())
        return;
    const std::string &name = m_windows[index].className;
    const std::size_t length = std::min(name.size(), buffer.size() - 1);
    std::copy_n(name.begin(), length, buffer.begin());
    buffer[length] = '\0';
}

void InMemoryWindowTree::setText(WindowHandle window, const std::string &utf8Text)
{
    m_deliveries.push_back({Delivery::Text, window, utf8Text});
    if (const std::size_t index = indexOf(window); index < m_windows.size())
        m_windows[index].text = utf8Text;
}
