#include "chat/room/ChatRoomSearch.h"

#include "chat/room/DesktopWindowTree.h"
#include "chat/room/testing/InMemoryWindowTree.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Delivery = InMemoryWindowTree::Delivery;

// A running client: its frame, a toolbar and the document area the rooms open in.
struct ChatClient
{
    // A document holding controls of these classes; a room holds the conversation, an icon,
    // the input line and the list of people.
    WindowHandle addDocument(const std::vector<std::string> &controls = {})
    {
        const WindowHandle document = tree.addChild(documentArea, "AOL Child");
        for (const std::string &control : controls)
            tree.addChild(document, control);
        return document;
    }

    // Documents that look a little like a room: nothing inside, rich text without the list of
    // people, the list without rich text.
    void addDecoys(int count)
    {
        const std::vector<std::string> decoys[] = {{}, {"RICHCNTL", "RICHCNTL"}, {"_AOL_Listbox"}};
        for (int index = 0; index < count; ++index)
            addDocument(decoys[index % 3]);
    }

    InMemoryWindowTree tree;
    WindowHandle frame = tree.addTopLevel("AOL Frame25");
    WindowHandle toolbar = tree.addChild(frame, "AOL Toolbar");
    WindowHandle documentArea = tree.addChild(frame, "MDIClient");
};

const std::vector<std::string> RoomControls {"RICHCNTL", "_AOL_Icon", "RICHCNTL", "_AOL_Listbox"};

// The search looks at the first document for free, then lets events run before each of the
// next 100; the line goes whole into the room's second rich text control, then one Enter.
TEST(ChatRoomSearch, FindsTheRoomAmongTheFirst101DocumentsAndPostsIntoItsInputLine)
{
    const struct
    {
        const char *name;
        int documentsBefore;
        std::optional<std::vector<std::string>> room;
        bool found;
        bool posted;
        int pumpRuns;
    } cases[] = {
        {"first", 0, RoomControls, true, true, 0},
        {"second", 1, RoomControls, true, true, 1},
        {"101st", 100, RoomControls, true, true, 100},
        {"102nd", 101, RoomControls, false, false, 100},
        {"no room", 3, std::nullopt, false, false, 100},
        {"no input line", 0, std::vector<std::string> {"RICHCNTL", "_AOL_Listbox"}, true, false, 0},
    };
    const std::string message = "first line\r\nsecond line\nthird with \xC3\xA5";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ChatClient client;
        client.addDecoys(c.documentsBefore);
        const WindowHandle room = c.room ? client.addDocument(*c.room) : NoWindow;
        client.addDecoys(2);

        EXPECT_EQ(LocateChatRoom(client.tree), c.found ? room : NoWindow);
        EXPECT_EQ(client.tree.pumpRuns(), c.pumpRuns);
        EXPECT_EQ(PostToChat(client.tree, message), c.posted);
        // The third control of a room.
        const WindowHandle inputLine =
            client.tree.nextSibling(client.tree.nextSibling(client.tree.firstChild(room)));
        const std::vector<Delivery> delivered {{Delivery::Text, inputLine, message},
                                               {Delivery::Character, inputLine, "\r"}};
        EXPECT_EQ(client.tree.deliveries(), c.posted ? delivered : std::vector<Delivery> {});
    }
}

TEST(ChatRoomSearch, FindsARoomThatOpensWhileEventsRun)
{
    ChatClient opening;
    opening.addDecoys(1);
    WindowHandle room = NoWindow;
    opening.tree.onPendingEvents([&] {
        if (room == NoWindow)
            room = opening.addDocument(RoomControls);
    });
    EXPECT_EQ(LocateChatRoom(opening.tree), room);
    EXPECT_NE(room, NoWindow);
    EXPECT_EQ(opening.tree.pumpRuns(), 1);
}

TEST(ClassNameOf, GivesTheWholeBufferNulPaddedAndAllNulForAWindowThatDoesNotExist)
{
    InMemoryWindowTree tree;
    const ClassNameBuffer expected {'M', 'D', 'I', 'C', 'l', 'i', 'e', 'n', 't'};

    EXPECT_EQ(ClassNameOf(tree, tree.addTopLevel("MDIClient")), expected);
    EXPECT_EQ(ClassNameOf(tree, WindowHandle {12345}), ClassNameBuffer {});
}

// Without a client, as on every desktop but Windows, nothing is sent, yet a failed search lets
// the program's events run exactly as often as any other.
TEST(ChatRoomSearch, WithoutAClientSendsNothingYetLetsEventsRunAsOftenAsEver)
{
    int pumpRuns = 0;
    const auto desktop = MakeDesktopWindowTree([&] { ++pumpRuns; });
    EXPECT_FALSE(PostToChat(*desktop, "hello"));
    EXPECT_EQ(pumpRuns, 100);
    EXPECT_EQ(desktop->topLevelWindowOfClass("AOL Frame25"), NoWindow);
}

} // namespace
