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
#include <optional>
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

struct Window
{
    std::string className;
    WindowHandle handle;
    std::vector<std::size_t> children;
};

// The tree under test and, beside it, the same windows as plain data.
struct Desktop
{
    Desktop() { windows.reserve(MostWindows); }

    void add(std::optional<std::size_t> parent, const std::string &className)
    {
        if (parent) {
            windows.push_back({className, tree.addChild(windows[*parent].handle, className), {}});
            windows[*parent].children.push_back(windows.size() - 1);
        } else {
            windows.push_back({className, tree.addTopLevel(className), {}});
            topLevel.push_back(windows.size() - 1);
        }
    }

    WatchedTree tree;
    std::vector<Window> windows;
    std::vector<std::size_t> topLevel;
};

std::string upperCased(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The class name as the search reads it: cut to the platform's length, in capitals.
std::string shownName(const Window &window)
{
    return upperCased(window.className.substr(0, ClassNameLength));
}

// The first child of the window whose class name, as the search reads it, passes the test.
std::optional<std::size_t> firstChildWhere(const Desktop &desktop, std::size_t parent,
                                           auto &&passes)
{
    for (const std::size_t child : desktop.windows[parent].children) {
        if (passes(shownName(desktop.windows[child])))
            return child;
    }
    return std::nullopt;
}

std::optional<std::size_t> firstChildHolding(const Desktop &desktop, std::size_t parent,
                                             const std::string &text)
{
    return firstChildWhere(desktop, parent, [&](const std::string &name) {
        return name.find(text) != std::string::npos;
    });
}

// What the rules say the search finds and where the line goes.
struct Expected
{
    std::optional<std::size_t> client;
    std::optional<std::size_t> documentArea;
    std::vector<std::size_t> examined;
    std::optional<std::size_t> room;
    std::optional<std::size_t> inputLine;
};

Expected expectedFor(const Desktop &desktop)
{
    Expected expected;
    const auto client = std::ranges::find_if(desktop.topLevel, [&](std::size_t window) {
        return upperCased(desktop.windows[window].className) == "AOL FRAME25";
    });
    if (client == desktop.topLevel.end())
        return expected;
    expected.client = *client;
    expected.documentArea = firstChildHolding(desktop, *client, "MDICLIENT");
    if (!expected.documentArea)
        return expected;
    const std::vector<std::size_t> &documents = desktop.windows[*expected.documentArea].children;
    expected.examined.assign(documents.begin(),
                             documents.begin() +
                                 std::ptrdiff_t(std::min(documents.size(), ExaminedDocuments)));
    const auto room = std::ranges::find_if(expected.examined, [&](std::size_t document) {
        return firstChildHolding(desktop, document, "RICHCNTL") &&
            firstChildHolding(desktop, document, "_AOL_LISTBOX");
    });
    if (room == expected.examined.end())
        return expected;
    expected.room = *room;
    int richTextSeen = 0;
    expected.inputLine = firstChildWhere(desktop, *room, [&](const std::string &name) {
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
void build(Desktop &desktop, FuzzedDataProvider &data)
{
    while (data.remaining_bytes() > 0 && desktop.windows.size() < MostWindows) {
        const int step = desktop.windows.empty() ? 0 : data.ConsumeIntegralInRange(0, 2);
        if (step == 0) {
            desktop.add(std::nullopt, classNameFrom(data));
            continue;
        }
        const auto parent = data.ConsumeIntegralInRange<std::size_t>(0, desktop.windows.size() - 1);
        const std::size_t count =
            step == 1 ? 1 : data.ConsumeIntegralInRange<std::size_t>(1, MostDocumentsInARow);
        const std::string className = classNameFrom(data);
        for (std::size_t i = 0; i < count && desktop.windows.size() < MostWindows; ++i)
            desktop.add(parent, className);
    }
}

WindowHandle handleOf(const Desktop &desktop, std::optional<std::size_t> window)
{
    return window ? desktop.windows[*window].handle : NoWindow;
}

// The search looks into the client, its document area and the documents it examines, and reads
// the class names of their children only.
void checkWhereTheSearchLooked(const Desktop &desktop, const Expected &expected)
{
    std::set<WindowHandle> mayLookInto {NoWindow, handleOf(desktop, expected.documentArea)};
    std::set<WindowHandle> mayRead;
    std::vector<std::size_t> parents = expected.examined;
    if (expected.client)
        parents.push_back(*expected.client);
    for (const std::size_t parent : parents) {
        mayLookInto.insert(desktop.windows[parent].handle);
        for (const std::size_t child : desktop.windows[parent].children)
            mayRead.insert(desktop.windows[child].handle);
    }
    const auto allIn = [](const std::vector<WindowHandle> &windows,
                          const std::set<WindowHandle> &allowed) {
        return std::ranges::all_of(windows, [&](WindowHandle w) { return allowed.contains(w); });
    };
    Expect(allIn(desktop.tree.lookedInto, mayLookInto),
           "the search looks into no window but the client, its document area and the first "
           "101 documents");
    Expect(allIn(desktop.tree.namesRead, mayRead),
           "the search reads the class names of those windows' children only");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string message = data.ConsumeRandomLengthString(256);
    Desktop desktop;
    build(desktop, data);
    const Expected expected = expectedFor(desktop);

    Expect(LocateChatRoom(desktop.tree) == handleOf(desktop, expected.room),
           "the room found is the first room among the first 101 documents");
    const auto examinedBeforeTheRoom =
        std::ranges::find(expected.examined, expected.room) - expected.examined.begin();
    Expect(desktop.tree.pumpRuns() == (expected.room ? int(examinedBeforeTheRoom) : SearchSteps),
           "events run once before each document after the first, and always 100 times when "
           "no room is found");
    checkWhereTheSearchLooked(desktop, expected);

    const bool posted = PostToChat(desktop.tree, message);
    const WindowHandle inputLine = handleOf(desktop, expected.inputLine);
    Expect(posted == (inputLine != NoWindow),
           "a line is posted exactly when the room has an input line");
    using Delivery = InMemoryWindowTree::Delivery;
    const std::vector<Delivery> deliveries = posted
        ? std::vector<Delivery> {{Delivery::Text, inputLine, message},
                                 {Delivery::Character, inputLine, "\r"}}
        : std::vector<Delivery> {};
    Expect(desktop.tree.deliveries() == deliveries,
           "the line goes whole into the input line with one Enter, and nothing else is touched");
    return 0;
}
