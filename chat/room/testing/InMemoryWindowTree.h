#pragma once

#include "chat/room/WindowTree.h"

#include <functional>
#include <string>
#include <vector>

// A window tree built by a test. It records every delivery, in order, and counts the runs of
// the event pump. Handles have their low 32 bits clear, so a search that cut them short would
// lose every window.
class InMemoryWindowTree : public WindowTree
{
public:
    struct Delivery
    {
        enum Kind { Text, Character };

        Kind kind;
        WindowHandle window;
        std::string payload;

        bool operator==(const Delivery &) const = default;
    };

    WindowHandle addTopLevel(const std::string &className) { return addChild(NoWindow, className); }
    // Siblings stand in z-order as they were added.
    WindowHandle addChild(WindowHandle parent, const std::string &className)
    {
        m_windows.push_back({className, parent, {}});
        return HandleStride * m_windows.size();
    }

    std::string textOf(WindowHandle window) const { return m_windows.at(indexOf(window)).text; }
    const std::vector<Delivery> &deliveries() const { return m_deliveries; }
    int pumpRuns() const { return m_pumpRuns; }

    // Runs on every pass of the event pump, as another event handler would.
    void onPendingEvents(std::function<void()> handler) { m_pendingEvents = std::move(handler); }

    WindowHandle topLevelWindowOfClass(std::string_view className) const override;
    WindowHandle firstChild(WindowHandle window) const override;
    WindowHandle nextSibling(WindowHandle window) const override;
    void readClassName(WindowHandle window, ClassNameBuffer &buffer) const override;
    void setText(WindowHandle window, const std::string &utf8Text) override;
    void typeCharacter(WindowHandle window, char character) override
    {
        m_deliveries.push_back({Delivery::Character, window, std::string(1, character)});
    }
    void processPendingEvents() override
    {
        ++m_pumpRuns;
        if (m_pendingEvents)
            m_pendingEvents();
    }

private:
    static constexpr WindowHandle HandleStride =
        sizeof(WindowHandle) > 4 ? WindowHandle {1} << 32 : WindowHandle {1} << 16;

    struct Window
    {
        std::string className;
        WindowHandle parent; // NoWindow for a top-level window
        std::string text;
    };

    // The window's place in m_windows; m_windows.size() for a window that does not exist.
    std::size_t indexOf(WindowHandle window) const;
    // The first window from index on whose parent is parent.
    WindowHandle firstFrom(std::size_t index, WindowHandle parent) const;

    std::vector<Window> m_windows;
    std::vector<Delivery> m_deliveries;
    std::function<void()> m_pendingEvents;
    int m_pumpRuns = 0;
};
