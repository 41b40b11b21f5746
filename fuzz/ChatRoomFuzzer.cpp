// Builds fuzzed window trees, looks for the chat room in them and posts a fuzzed line, and checks
// the search against its rules, worked out here on a copy of the tree: the client's frame, its
// document area, the first of its first 101 documents that holds rich text and the list of
// people. The line goes whole into that room's second rich text control with one Enter and
// nothing else is touched, and the search looks into no other window.

#include "Invariant.h"
#include "chat/room/ChatRoomSearch.h"
#include "chat/room/testing/InMemoryWindowTree.h"

#include <algorithm>
#include <cctype>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>
#include <vector>

namespace {

// The names the search looks for, in other cases, inside longer names, one letter short, and
// at the end of names that the platform's 249 characters keep whole or cut off.
const std::vector<std::string> ClassNames = [] {
    std::vector<std::string> names = {
        "AOL Frame25",  "aol frame25",    "AOL Frame24",  "AOL Frame25 ", "MDIClient",
        "mdiclient",    "xMDIClientx",    "MDIClien",     "AOL Child",    "RICHCNTL",
        "richcntl",     "RICHCNTL2",      "AOL_RICHCNTL", "RICHCNT",      "_AOL_Listbox",
        "_aol_listbox", "My_AOL_Listbox", "_AOL_Listbo",  "_AOL_Icon",    "AOL Toolbar"};
    names.push_back(std::string(241, 'x') + "RICHCNTL");
    names.push_back(std::string(242, 'x') + "RICHCNTL");
    return names;
}();

constexpr std::size_t MostWindows = 300;
constexpr std::size_t MostDocumentsInARow = 128;
// The documents the search examines: the first, and one after each of its 100 steps.
constexpr std::size_t ExaminedDocuments = 101;
constexpr int SearchSteps = 100;
constexpr std::size_t ClassNameLength = ClassNameBuffer {}.size() - 1;

// A tree that notes which windows the search looks into and whose class names it reads.
class WatchedTree : public InMemoryWindowTree
{
public:
    WindowHandle firstChild(WindowHandle window) const override
    {
        lookedInto.push_back(window);
        return InMemoryWindowTree::firstChild(window);
    }

    void readClassName(WindowHandle window, ClassNameBuffer &buffer) const override
    {
        namesRead.push_back(window);
        InMemoryWindowTree::readClassName(window, buffer);
    }

    mutable std::vector<WindowHandle> lookedInto;
    mutable std::vector<WindowHandle> namesRead;
};

std::string upperCased(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The children of a window, asked of the tree past its watch, each with its class name as the
// search reads it: cut to the platform's length, in capitals.
std::vector<std::pair<WindowHandle, std::string>> childrenOf(const WatchedTree &tree,
                                                             WindowHandle parent)
{
    std::vector<std::pair<WindowHandle, std::string>> children;
    for (WindowHandle child = tree.InMemoryWindowTree::firstChild(parent); child != NoWindow;
         child = tree.nextSibling(child)) {
        ClassNameBuffer name {};
        tree.InMemoryWindowTree::readClassName(child, name);
        children.emplace_back(child, upperCased(std::string(name.data(), name.size())));
    }
    return children;
}

// The first child of the window whose class name, as the search reads it, passes the test.
WindowHandle firstChildWhere(const WatchedTree &tree, WindowHandle parent, auto &&passes)
{
    for (const auto &[child, name] : childrenOf(tree, parent)) {
        if (passes(name))
            return child;
    }
    return NoWindow;
}

bool hasChildHolding(const WatchedTree &tree, WindowHandle parent, const std::string &text)
{
    return firstChildWhere(tree, parent, [&](const std::string &name) {
               return name.find(text) != std::string::npos;
           }) != NoWindow;
}

// What the rules say the search finds and where the line goes.
struct Expected
{
    WindowHandle client = NoWindow;
    WindowHandle documentArea = NoWindow;
    std::vector<WindowHandle> examined;
    WindowHandle room = NoWindow;
    WindowHandle inputLine = NoWindow;
};

Expected expectedFor(const WatchedTree &tree)
{
    Expected expected;
    expected.client = tree.topLevelWindowOfClass("AOL Frame25");
    if (expected.client == NoWindow)
        return expected;
    expected.documentArea = firstChildWhere(tree, expected.client, [](const std::string &name) {
        return name.find("MDICLIENT") != std::string::npos;
    });
    if (expected.documentArea == NoWindow)
        return expected;
    for (const auto &[document, name] : childrenOf(tree, expected.documentArea)) {
        if (expected.examined.size() < ExaminedDocuments)
            expected.examined.push_back(document);
    }
    const auto room = std::ranges::find_if(expected.examined, [&](WindowHandle document) {
        return hasChildHolding(tree, document, "RICHCNTL") &&
            hasChildHolding(tree, document, "_AOL_LISTBOX");
    });
    if (room == expected.examined.end())
        return expected;
    expected.room = *room;
    int richTextSeen = 0;
    expected.inputLine = firstChildWhere(tree, *room, [&](const std::string &name) {
        return name.starts_with("RICHCNTL") && ++richTextSeen == 2;
    });
    return expected;
}

std::string classNameFrom(FuzzedDataProvider &data)
{
    const auto index = data.ConsumeIntegralInRange<std::size_t>(0, ClassNames.size());
    return index < ClassNames.size() ? ClassNames[index]
                                     : data.ConsumeRandomLengthString(ClassNameLength + 10);
}

// Top-level windows, single children and rows of documents, as the fuzzer's bytes say.
void build(WatchedTree &tree, FuzzedDataProvider &data)
{
    std::vector<WindowHandle> windows;
    while (data.remaining_bytes() > 0 && windows.size() < MostWindows) {
        const int step = windows.empty() ? 0 : data.ConsumeIntegralInRange(0, 2);
        if (step == 0) {
            windows.push_back(tree.addTopLevel(classNameFrom(data)));
            continue;
        }
        const WindowHandle parent =
            windows[data.ConsumeIntegralInRange<std::size_t>(0, windows.size() - 1)];
        const std::size_t count =
            step == 1 ? 1 : data.ConsumeIntegralInRange<std::size_t>(1, MostDocumentsInARow);
        const std::string className = classNameFrom(data);
        for (std::size_t i = 0; i < count && windows.size() < MostWindows; ++i)
            windows.push_back(tree.addChild(parent, className));
    }
}

// The search looks into the client, its document area and the documents it examines, and reads
// the class names of their children only.
void checkWhereTheSearchLooked(const WatchedTree &tree, const Expected &expected)
{
    std::set<WindowHandle> mayLookInto {NoWindow, expected.documentArea};
    std::set<WindowHandle> mayRead;
    std::vector<WindowHandle> parents = expected.examined;
    if (expected.client != NoWindow)
        parents.push_back(expected.client);
    for (const WindowHandle parent : parents) {
        mayLookInto.insert(parent);
        for (const auto &[child, name] : childrenOf(tree, parent))
            mayRead.insert(child);
    }
    const auto allIn = [](const std::vector<WindowHandle> &windows,
                          const std::set<WindowHandle> &allowed) {
        return std::ranges::all_of(windows, [&](WindowHandle w) { return allowed.contains(w); });
    };
    Expect(allIn(tree.lookedInto, mayLookInto),
           "the search looks into no window but the client, its document area and the first "
           "101 documents");
    Expect(allIn(tree.namesRead, mayRead),
           "the search reads the class names of those windows' children only");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string message = data.ConsumeRandomLengthString(256);
    WatchedTree tree;
    build(tree, data);
    const Expected expected = expectedFor(tree);

    Expect(LocateChatRoom(tree) == expected.room,
           "the room found is the first room among the first 101 documents");
    const auto examinedBeforeTheRoom =
        std::ranges::find(expected.examined, expected.room) - expected.examined.begin();
    Expect(tree.pumpRuns() ==
               (expected.room != NoWindow ? int(examinedBeforeTheRoom) : SearchSteps),
           "events run once before each document after the first, and always 100 times when "
           "no room is found");
    checkWhereTheSearchLooked(tree, expected);

    const bool posted = PostToChat(tree, message);
    Expect(posted == (expected.inputLine != NoWindow),
           "a line is posted exactly when the room has an input line");
    using Delivery = InMemoryWindowTree::Delivery;
    const std::vector<Delivery> deliveries = posted
        ? std::vector<Delivery> {{Delivery::Text, expected.inputLine, message},
                                 {Delivery::Character, expected.inputLine, "\r"}}
        : std::vector<Delivery> {};
    Expect(tree.deliveries() == deliveries,
           "the line goes whole into the input line with one Enter, and nothing else is touched");
    return 0;
}
