#include "chat/room/User32WindowTree.h"

#include <string>
#include <utility>
#include <windows.h>

namespace {

HWND toHwnd(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

WindowHandle toHandle(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

// GetWindow would read a null handle as a failure only by accident of the platform version;
// the tree promises NoWindow for NoWindow outright.
WindowHandle relative(WindowHandle window, UINT relation)
{
    return window == NoWindow ? NoWindow : toHandle(GetWindow(toHwnd(window), relation));
}

std::wstring toWide(const std::string &utf8)
{
    const int length = static_cast<int>(utf8.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

// A character the code page cannot hold becomes the code page's default character, '?', rather
// than a look-alike letter that would change the word. UTF-8 as the ANSI code page holds every
// character and takes no such flag.
std::string toAnsiCodePage(const std::string &utf8)
{
    const std::wstring wide = toWide(utf8);
    const int length = static_cast<int>(wide.size());
    const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    std::string ansi(
        WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, nullptr),
        '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), length, ansi.data(),
                        static_cast<int>(ansi.size()), nullptr, nullptr);
    return ansi;
}

} // namespace

void User32WindowTree::dispatchQueuedMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the caller's own loop, which is the one that must end.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

User32WindowTree::User32WindowTree(std::function<void()> processPendingEvents)
    : m_processPendingEvents(std::move(processPendingEvents))
{ }

WindowHandle User32WindowTree::topLevelWindowOfClass(std::string_view className) const
{
    const std::string name(className);
    return toHandle(FindWindowA(name.c_str(), nullptr));
}

WindowHandle User32WindowTree::firstChild(WindowHandle window) const
{
    return relative(window, GW_CHILD);
}

WindowHandle User32WindowTree::nextSibling(WindowHandle window) const
{
    return relative(window, GW_HWNDNEXT);
}

void User32WindowTree::readClassName(WindowHandle window, ClassNameBuffer &buffer) const
{
    if (window == NoWindow) {
        return;
    }
    ClassNameBuffer written = buffer;
    if (GetClassNameA(toHwnd(window), written.data(), static_cast<int>(written.size())) > 0) {
        buffer = written;
    }
}

void User32WindowTree::setText(WindowHandle window, const std::string &utf8Text)
{
    if (window == NoWindow) {
        return;
    }
    const std::string ansiText = toAnsiCodePage(utf8Text);
    SendMessageA(toHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansiText.c_str()));
}

void User32WindowTree::typeCharacter(WindowHandle window, char character)
{
    if (window == NoWindow) {
        return;
    }
    SendMessageA(toHwnd(window), WM_CHAR, static_cast<unsigned char>(character), 0);
}

void User32WindowTree::processPendingEvents()
{
    if (m_processPendingEvents) {
        m_processPendingEvents();
    }
}
