#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A window as the desktop names it. Handles keep the platform's full pointer width: a client
// may hand out values that do not fit in 16 or 32 bits.
using WindowHandle = std::uintptr_t;

inline constexpr WindowHandle NoWindow = 0;

// A class name as the platform writes it: at most 249 characters, NUL-terminated, the rest of
// the buffer left as it was. The bytes are in the platform's ANSI code page.
using ClassNameBuffer = std::array<char, 250>;

// The few window operations the chat room search needs, so the search is written once and runs
// over the real desktop, over no desktop at all, or over a tree a test builds. Every query
// answers NoWindow for NoWindow, and every delivery to NoWindow has no effect.
class WindowTree
{
public:
    virtual ~WindowTree() = default;

    // A top-level window whose class name equals className, ignoring case.
    virtual WindowHandle topLevelWindowOfClass(std::string_view className) const = 0;

    // The topmost child in z-order.
    virtual WindowHandle firstChild(WindowHandle window) const = 0;

    // The sibling just below window in z-order.
    virtual WindowHandle nextSibling(WindowHandle window) const = 0;

    // Writes the class name into buffer; leaves buffer untouched when the window does not exist.
    virtual void readClassName(WindowHandle window, ClassNameBuffer &buffer) const = 0;

    // Replaces the whole text of a control; utf8Text is UTF-8. Returns when the control has
    // taken it.
    virtual void setText(WindowHandle window, const std::string &utf8Text) = 0;

    // Delivers one typed character to a control. Returns when the control has handled it.
    virtual void typeCharacter(WindowHandle window, char character) = 0;

    // Runs this program's pending window events, then returns.
    virtual void processPendingEvents() = 0;
};
