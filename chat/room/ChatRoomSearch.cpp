#include "chat/room/ChatRoomSearch.h"

#include <algorithm>

namespace {

// The client opens its chat room as a document window that holds rich text controls (the
// conversation and, second, the input line) and a list box (the people in the room).
constexpr std::string_view ClientClass = "AOL Frame25";
constexpr std::string_view DocumentAreaClass = "MDIClient";
constexpr std::string_view RichTextClass = "RICHCNTL";
constexpr std::string_view ListBoxClass = "_AOL_Listbox";

// Document windows examined after the first one; the event pump runs once before each.
constexpr int SearchSteps = 100;

constexpr char CarriageReturn = '\r';

char upperCased(char character)
{
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                : character;
}

bool equalIgnoringCase(char left, char right)
{
    return upperCased(left) == upperCased(right);
}

// The trailing NUL characters take part, so classText is never found past the name's end.
bool containsIgnoringCase(const ClassNameBuffer &name, std::string_view classText)
{
    return std::search(name.begin(), name.end(), classText.begin(), classText.end(),
                       equalIgnoringCase) != name.end();
}

// A name shorter than classText meets a NUL where classText has a letter, so it never matches.
bool beginsWithIgnoringCase(const ClassNameBuffer &name, std::string_view classText)
{
    return classText.size() <= name.size() &&
        std::equal(classText.begin(), classText.end(), name.begin(), equalIgnoringCase);
}

WindowHandle firstFromOnWithPrefix(const WindowTree &tree, WindowHandle window,
                                   std::string_view classText)
{
    while (window != NoWindow && !beginsWithIgnoringCase(ClassNameOf(tree, window), classText)) {
        window = tree.nextSibling(window);
    }
    return window;
}

bool isChatRoom(const WindowTree &tree, WindowHandle candidate)
{
    return FindChildWithClass(tree, candidate, RichTextClass) != NoWindow &&
        FindChildWithClass(tree, candidate, ListBoxClass) != NoWindow;
}

} // namespace

bool PostToChat(WindowTree &tree, const std::string &message)
{
    const WindowHandle room = LocateChatRoom(tree);
    if (room == NoWindow) {
        return false;
    }
    const WindowHandle inputLine = FindSecondChildOfClass(tree, room, RichTextClass);
    if (inputLine == NoWindow) {
        return false;
    }
    tree.setText(inputLine, message);
    tree.typeCharacter(inputLine, CarriageReturn);
    return true;
}

WindowHandle LocateChatRoom(WindowTree &tree)
{
    const WindowHandle client = tree.topLevelWindowOfClass(ClientClass);
    const WindowHandle documentArea = FindChildWithClass(tree, client, DocumentAreaClass);
    WindowHandle candidate = tree.firstChild(documentArea);
    if (isChatRoom(tree, candidate)) {
        return candidate;
    }
    // The pump runs even once the siblings have run out, so a failed search always lets the
    // program's own events through the same number of times.
    for (int step = 0; step < SearchSteps; ++step) {
        tree.processPendingEvents();
        candidate = tree.nextSibling(candidate);
        if (isChatRoom(tree, candidate)) {
            return candidate;
        }
    }
    return NoWindow;
}

WindowHandle FindChildWithClass(const WindowTree &tree, WindowHandle parent,
                                std::string_view classText)
{
    for (WindowHandle child = tree.firstChild(parent); child != NoWindow;
         child = tree.nextSibling(child)) {
        if (containsIgnoringCase(ClassNameOf(tree, child), classText)) {
            return child;
        }
    }
    return NoWindow;
}

WindowHandle FindSecondChildOfClass(const WindowTree &tree, WindowHandle parent,
                                    std::string_view classText)
{
    const WindowHandle first = firstFromOnWithPrefix(tree, tree.firstChild(parent), classText);
    if (first == NoWindow) {
        return NoWindow;
    }
    return firstFromOnWithPrefix(tree, tree.nextSibling(first), classText);
}

ClassNameBuffer ClassNameOf(const WindowTree &tree, WindowHandle window)
{
    ClassNameBuffer name {};
    tree.readClassName(window, name);
    return name;
}
