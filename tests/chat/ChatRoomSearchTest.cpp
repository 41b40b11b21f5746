#include "chat/ChatRoomSearch.h"

#include "chat/DesktopWindowTree.h"
#include "chat/NoClientWindowTree.h"
#include "chat/testing/InMemoryWindowTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Delivery = InMemoryWindowTree::Delivery;

struct Room
{
    WindowHandle window;
    WindowHandle inputLine;
};

// A running client: its frame, a toolbar and the document area the rooms open in.
class ChatClient : public testing::Test
{
protected:
    WindowHandle addDocument() { return tree.addChild(documentArea, "AOL Child"); }

    Room addRoom()
    {
        const WindowHandle room = addDocument();
        tree.addChild(room, "RICHCNTL");
        tree.addChild(room, "_AOL_Icon");
        const WindowHandle inputLine = tree.addChild(room, "RICHCNTL");
        tree.addChild(room, "_AOL_Listbox");
        return {room, inputLine};
    }

    // Documents that look a little like a room: nothing inside, rich text without the list of
    // people, the list without rich text.
    void addDecoys(int count)
    {
        for (int index = 0; index < count; ++index) {
            const WindowHandle document = addDocument();
            if (index % 3 == 1) {
                tree.addChild(document, "RICHCNTL");
                tree.addChild(document, "RICHCNTL");
            } else if (index % 3 == 2) {
                tree.addChild(document, "_AOL_Listbox");
            }
        }
    }

    InMemoryWindowTree tree;
    WindowHandle frame = tree.addTopLevel("AOL Frame25");
    WindowHandle toolbar = tree.addChild(frame, "AOL Toolbar");
    WindowHandle documentArea = tree.addChild(frame, "MDIClient");
};

// The search looks at the first document for free, then lets events run before each of the
// next 100.
class RoomAfterDocuments : public ChatClient, public testing::WithParamInterface<int>
{
};

TEST_P(RoomAfterDocuments, IsFoundOnlyAmongTheFirst101Documents)
{
    const int before = GetParam();
    addDecoys(before);
    const Room room = addRoom();
    addDecoys(2);

    EXPECT_EQ(LocateChatRoom(tree), before <= 100 ? room.window : NoWindow);
    EXPECT_EQ(tree.pumpRuns(), std::min(before, 100));
}

INSTANTIATE_TEST_SUITE_P(ChatRoomSearch, RoomAfterDocuments, testing::Values(0, 1, 100, 101));

TEST_F(ChatClient, SearchesAfreshOnEverySendAndWithNoDocumentSendsNothing)
{
    EXPECT_FALSE(PostToChat(tree, "too early"));
    EXPECT_TRUE(tree.deliveries().empty());
    EXPECT_EQ(tree.pumpRuns(), 100);

    const Room room = addRoom();
    EXPECT_TRUE(PostToChat(tree, "in time"));
    EXPECT_EQ(tree.textOf(room.inputLine), "in time");
    EXPECT_EQ(tree.deliveries().size(), 2U);
}

TEST_F(ChatClient, RoomWithOneRichTextControlReceivesNothing)
{
    const WindowHandle room = addDocument();
    tree.addChild(room, "RICHCNTL");
    tree.addChild(room, "_AOL_Listbox");

    EXPECT_FALSE(PostToChat(tree, "hello"));

    EXPECT_EQ(LocateChatRoom(tree), room);
    EXPECT_TRUE(tree.deliveries().empty());
}

TEST_F(ChatClient, SendsTheWholeMessageThenOneCarriageReturnToTheInputLine)
{
    const Room room = addRoom();
    const std::string message = "first line\r\nsecond line\nthird with \xC3\xA5";

    EXPECT_TRUE(PostToChat(tree, message));

    const std::vector<Delivery> expected {{Delivery::Text, room.inputLine, message},
                                          {Delivery::Character, room.inputLine, "\r"}};
    EXPECT_EQ(tree.deliveries(), expected);
}

TEST_F(ChatClient, FindsARoomThatOpensWhileEventsRunDuringTheSearch)
{
    addDecoys(1);
    std::optional<Room> room;
    tree.onPendingEvents([&] {
        if (!room)
            room = addRoom();
    });

    const WindowHandle found = LocateChatRoom(tree);

    ASSERT_TRUE(room.has_value());
    EXPECT_EQ(found, room->window);
    EXPECT_EQ(tree.pumpRuns(), 1);
}

struct ChildSearch
{
    WindowHandle (*find)(const WindowTree &, WindowHandle, std::string_view);
    std::vector<std::string> children;
    std::string_view classText;
    int expectedIndex; // -1: none
};

// FindChildWithClass matches the text anywhere in a name, FindSecondChildOfClass only at its
// start; both ignore case, and a name one letter short of the text never matches.
TEST(ChildSearch, MatchesClassNamesIgnoringCase)
{
    const auto first = FindChildWithClass;
    const auto second = FindSecondChildOfClass;
    const ChildSearch searches[] {
        {first, {"richcntl"}, "RICHCNTL", 0},
        {first, {"RICHCNTL"}, "RichCntl", 0},
        {first, {"AOL_RICHCNTL_2"}, "RICHCNTL", 0},
        {first, {"RICHCNT"}, "RICHCNTL", -1},
        {first, {"_AOL_Icon", "RICHCNTL", "RICHCNTL"}, "RICHCNTL", 1},
        {first, {}, "RICHCNTL", -1},
        {second, {"richcntl", "RichCntl"}, "RICHCNTL", 1},
        {second, {"RICHCNTL", "RICHCNTL"}, "richcntl", 1},
        {second, {"RICHCNTL", "_AOL_Icon", "RICHCNTL", "RICHCNTL"}, "RICHCNTL", 2},
        {second, {"_AOL_Icon", "RICHCNTL", "RICHCNTL2"}, "RICHCNTL", 2},
        {second, {"RICHCNTL"}, "RICHCNTL", -1},
        {second, {"RICHCNTL", "AOL_RICHCNTL"}, "RICHCNTL", -1},
        {second, {"RICHCNT", "RICHCNTL"}, "RICHCNTL", -1},
        {second, {}, "RICHCNTL", -1},
    };
    for (const ChildSearch &search : searches) {
        InMemoryWindowTree tree;
        const WindowHandle parent = tree.addTopLevel("AOL Child");
        std::vector<WindowHandle> children;
        for (const std::string &className : search.children)
            children.push_back(tree.addChild(parent, className));
        const WindowHandle expected =
            search.expectedIndex < 0 ? NoWindow : children.at(search.expectedIndex);
        EXPECT_EQ(search.find(tree, parent, search.classText), expected)
            << "row " << &search - searches;
    }
}

TEST(ChildSearch, FindsNothingUnderNoWindow)
{
    InMemoryWindowTree tree;
    tree.addTopLevel("RICHCNTL");

    EXPECT_EQ(FindChildWithClass(tree, NoWindow, "RICHCNTL"), NoWindow);
    EXPECT_EQ(FindSecondChildOfClass(tree, NoWindow, "RICHCNTL"), NoWindow);
}

TEST(ClassNameOf, GivesTheWholeBufferNulPaddedAndAllNulForAWindowThatDoesNotExist)
{
    InMemoryWindowTree tree;
    ClassNameBuffer expected {};
    std::ranges::copy(std::string_view("MDIClient"), expected.begin());

    EXPECT_EQ(ClassNameOf(tree, tree.addTopLevel("MDIClient")), expected);
    EXPECT_EQ(ClassNameOf(tree, WindowHandle {12345}), ClassNameBuffer {});
}

// Without a client nothing is sent, yet a failed search lets the program's events run exactly as
// often as any other, and so do both stand-in trees.
TEST(ChatRoomSearch, WithoutAClientSendsNothingYetLetsEventsRunAsOftenAsEver)
{
    InMemoryWindowTree tree;
    tree.addChild(tree.addTopLevel("AOL Frame24"), "MDIClient");
    PostToChat(tree, "hello");
    EXPECT_TRUE(tree.deliveries().empty());
    EXPECT_EQ(tree.pumpRuns(), 100);

    int pumpRuns = 0;
    NoClientWindowTree noClient([&] { ++pumpRuns; });
    PostToChat(noClient, "hello");
    EXPECT_EQ(LocateChatRoom(noClient), NoWindow);
    EXPECT_EQ(pumpRuns, 200);

    pumpRuns = 0;
    const auto desktop = MakeDesktopWindowTree([&] { ++pumpRuns; });
    PostToChat(*desktop, "hello");
    EXPECT_EQ(pumpRuns, 100);
    EXPECT_EQ(desktop->topLevelWindowOfClass("AOL Frame25"), NoWindow);
}

} // namespace
