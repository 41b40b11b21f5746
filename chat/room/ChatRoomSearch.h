#pragma once

#include "chat/room/WindowTree.h"

#include <string>
#include <string_view>

// Puts message (UTF-8) into the chat room's input line and presses Enter there, so the client
// sends it as one line; does nothing when no chat room is open or the room has no input line.
// Returns whether the line went in.
bool PostToChat(WindowTree &tree, const std::string &message);

// The chat room among the client's first 101 document windows, or NoWindow. Lets pending
// events run between the windows it examines.
WindowHandle LocateChatRoom(WindowTree &tree);

// The first child whose class name contains classText anywhere, ignoring case, or NoWindow.
WindowHandle FindChildWithClass(const WindowTree &tree, WindowHandle parent,
                                std::string_view classText);

// The second child whose class name begins with classText, ignoring case, or NoWindow.
WindowHandle FindSecondChildOfClass(const WindowTree &tree, WindowHandle parent,
                                    std::string_view classText);

// The whole class-name buffer of window: all NUL characters when the window does not exist.
ClassNameBuffer ClassNameOf(const WindowTree &tree, WindowHandle window);
