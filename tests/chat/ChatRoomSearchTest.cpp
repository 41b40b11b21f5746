#include "chat/ChatRoomSearch.h"

#include "chat/DesktopWindowTree.h"
#include "chat/NoClientWindowTree.h"
#include "chat/testing/InMemoryWindowTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Delivery = InMemoryWindowTree::Delivery;

struct Room
{
    WindowHandle window;
    WindowHandle conversation;
    WindowHandle inputLine;
};

// A running client: its frame, a toolbar and the document area the rooms open in.
class ChatClient : public ::testing::Test
{
protected:
    WindowHandle addDocument() { return tree.addChild(documentArea, "AOL Child"); }

    Room addRoom()
    {
        const WindowHandle room = addDocument();
        const WindowHandle conversation = tree.addChild(room, "RICHCNTL");
        tree.addChild(room, "_AOL_Icon");
        const WindowHandle inputLine = tree.addChild(room, "RICHCNTL");
        tree.addChild(room, "_AOL_Listbox");
        return {room, conversation, inputLine};
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

TEST_F(ChatClient, FindsTheFirstDocumentWithoutRunningEvents)
{
    const Room room = addRoom();
    addDecoys(3);

    EXPECT_EQ(LocateChatRoom(tree), room.window);
    EXPECT_EQ(tree.pumpRuns(), 0);
}

struct RoomPosition
{
    int documentsBefore;
    bool found;
    int pumpRuns;
};

void PrintTo(const RoomPosition &position, std::ostream *stream)
{
    *stream << "room after " << position.documentsBefore << " documents";
}

class RoomAtPosition : public ChatClient, public ::testing::WithParamInterface<RoomPosition>
{
};

TEST_P(RoomAtPosition, IsFoundOnlyAmongTheFirst101Documents)
{
    addDecoys(GetParam().documentsBefore);
    const Room room = addRoom();
    addDecoys(2);

    EXPECT_EQ(LocateChatRoom(tree), GetParam().found ? room.window : NoWindow);
    EXPECT_EQ(tree.pumpRuns(), GetParam().pumpRuns);
}

INSTANTIATE_TEST_SUITE_P(
    ChatRoomSearch, RoomAtPosition,
    ::testing::Values(RoomPosition {0, true, 0}, RoomPosition {1, true, 1},
                      RoomPosition {50, true, 50}, RoomPosition {100, true, 100},
                      RoomPosition {101, false, 100}, RoomPosition {150, false, 100}),
    [](const auto &info) {
        return "After" + std::to_string(info.param.documentsBefore) + "Documents";
    });

TEST_F(ChatClient, PassesOverDocumentsMissingRichTextOrTheListOfPeople)
{
    const WindowHandle richTextOnly = addDocument();
    tree.addChild(richTextOnly, "RICHCNTL");
    tree.addChild(richTextOnly, "RICHCNTL");
    const WindowHandle listOnly = addDocument();
    tree.addChild(listOnly, "_AOL_Listbox");
    const Room room = addRoom();

    PostToChat(tree, "hello");

    EXPECT_EQ(LocateChatRoom(tree), room.window);
    EXPECT_EQ(tree.textOf(room.inputLine), "hello");
}

TEST(ChatRoomSearch, WithoutAClientSendsNothingAndRunsEventsExactly100Times)
{
    InMemoryWindowTree tree;
    tree.addTopLevel("AOL Frame24");

    PostToChat(tree, "hello");

    EXPECT_TRUE(tree.deliveries().empty());
    EXPECT_EQ(tree.pumpRuns(), 100);
}

TEST_F(ChatClient, WithNoDocumentOpenSendsNothing)
{
    PostToChat(tree, "hello");

    EXPECT_TRUE(tree.deliveries().empty());
    EXPECT_EQ(tree.pumpRuns(), 100);
}

TEST_F(ChatClient, RoomWithOneRichTextControlReceivesNothing)
{
    const WindowHandle room = addDocument();
    tree.addChild(room, "RICHCNTL");
    tree.addChild(room, "_AOL_Listbox");

    PostToChat(tree, "hello");

    EXPECT_EQ(LocateChatRoom(tree), room);
    EXPECT_TRUE(tree.deliveries().empty());
}

TEST_F(ChatClient, SendsTheWholeMessageThenOneCarriageReturnToTheInputLine)
{
    const Room room = addRoom();
    const std::string message = "first line\r\nsecond line\nthird with \xC3\xA5";

    PostToChat(tree, message);

    const std::vector<Delivery> expected {{Delivery::Text, room.inputLine, message},
                                          {Delivery::Character, room.inputLine, "\r"}};
    EXPECT_EQ(tree.deliveries(), expected);
}

TEST_F(ChatClient, ReplacesWhatTheInputLineHeldAndLeavesTheConversationAlone)
{
    const Room room = addRoom();
    tree.setText(room.conversation, "earlier lines");
    tree.setText(room.inputLine, "a half-typed line that is longer");

    PostToChat(tree, "hi");

    EXPECT_EQ(tree.textOf(room.inputLine), "hi");
    EXPECT_EQ(tree.textOf(room.conversation), "earlier lines");
}

TEST_F(ChatClient, SearchesAfreshOnEverySend)
{
    PostToChat(tree, "too early");
    const Room room = addRoom();
    PostToChat(tree, "in time");

    EXPECT_EQ(tree.textOf(room.inputLine), "in time");
    EXPECT_EQ(tree.deliveries().size(), 2U);
}

TEST_F(ChatClient, FindsARoomThatOpensWhileEventsRunDuringTheSearch)
{
    addDecoys(1);
    std::optional<Room> room;
    tree.onPendingEvents([&] {
        if (!room) {
            room = addRoom();
        }
    });

    const WindowHandle found = LocateChatRoom(tree);

    ASSERT_TRUE(room.has_value());
    EXPECT_EQ(found, room->window);
    EXPECT_EQ(tree.pumpRuns(), 1);
}

struct ChildSearch
{
    std::string_view name;
    std::vector<std::string> children;
    std::string_view classText;
    int expectedIndex; // -1: none
};

void PrintTo(const ChildSearch &search, std::ostream *stream)
{
    *stream << search.name;
}

class ChildSearchCase : public ::testing::TestWithParam<ChildSearch>
{
protected:
    // Builds the case's children under one parent and searches them with find.
    WindowHandle run(WindowHandle (*find)(const WindowTree &, WindowHandle, std::string_view))
    {
        const WindowHandle parent = tree.addTopLevel("AOL Child");
        for (const std::string &className : GetParam().children) {
            children.push_back(tree.addChild(parent, className));
        }
        return find(tree, parent, GetParam().classText);
    }

    WindowHandle expected() const
    {
        return GetParam().expectedIndex < 0 ? NoWindow : children.at(GetParam().expectedIndex);
    }

    InMemoryWindowTree tree;
    std::vector<WindowHandle> children;
};

class FirstChildContaining : public ChildSearchCase
{
};

TEST_P(FirstChildContaining, MatchesAnywhereInTheNameIgnoringCase)
{
    const WindowHandle found = run(FindChildWithClass);

    EXPECT_EQ(found, expected());
}

INSTANTIATE_TEST_SUITE_P(
    FindChildWithClass, FirstChildContaining,
    ::testing::Values(ChildSearch {"Same", {"RICHCNTL"}, "RICHCNTL", 0},
                      ChildSearch {"LowerCaseName", {"richcntl"}, "RICHCNTL", 0},
                      ChildSearch {"MixedCaseText", {"RICHCNTL"}, "RichCntl", 0},
                      ChildSearch {"InTheMiddle", {"AOL_RICHCNTL_2"}, "RICHCNTL", 0},
                      ChildSearch {"ShorterName", {"RICH"}, "RICHCNTL", -1},
                      ChildSearch {"OneLetterShort", {"RICHCNT"}, "RICHCNTL", -1},
                      ChildSearch {
                          "FirstOfTwo", {"_AOL_Icon", "RICHCNTL", "RICHCNTL"}, "RICHCNTL", 1},
                      ChildSearch {"OtherClass", {"_AOL_Listbox"}, "RICHCNTL", -1},
                      ChildSearch {"NoChildren", {}, "RICHCNTL", -1}),
    [](const auto &info) { return std::string(info.param.name); });

class SecondChildBeginning : public ChildSearchCase
{
};

TEST_P(SecondChildBeginning, MatchesOnlyAtTheStartOfTheNameIgnoringCase)
{
    const WindowHandle found = run(FindSecondChildOfClass);

    EXPECT_EQ(found, expected());
}

INSTANTIATE_TEST_SUITE_P(
    FindSecondChildOfClass, SecondChildBeginning,
    ::testing::Values(
        ChildSearch {"Same", {"RICHCNTL", "RICHCNTL"}, "RICHCNTL", 1},
        ChildSearch {"LowerCaseNames", {"richcntl", "RichCntl"}, "RICHCNTL", 1},
        ChildSearch {"LowerCaseText", {"RICHCNTL", "RICHCNTL"}, "richcntl", 1},
        ChildSearch {
            "SkipsOthers", {"RICHCNTL", "_AOL_Icon", "RICHCNTL", "RICHCNTL"}, "RICHCNTL", 2},
        ChildSearch {"LongerName", {"_AOL_Icon", "RICHCNTL", "RICHCNTL2"}, "RICHCNTL", 2},
        ChildSearch {"OnlyOne", {"RICHCNTL"}, "RICHCNTL", -1},
        ChildSearch {"InTheMiddle", {"RICHCNTL", "AOL_RICHCNTL"}, "RICHCNTL", -1},
        ChildSearch {"ShorterName", {"RICHCNTL", "RICH"}, "RICHCNTL", -1},
        ChildSearch {"OneLetterShort", {"RICHCNT", "RICHCNTL"}, "RICHCNTL", -1},
        ChildSearch {"NoChildren", {}, "RICHCNTL", -1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChildSearch, FindsNothingUnderNoWindow)
{
    InMemoryWindowTree tree;
    tree.addTopLevel("RICHCNTL");

    EXPECT_EQ(FindChildWithClass(tree, NoWindow, "RICHCNTL"), NoWindow);
    EXPECT_EQ(FindSecondChildOfClass(tree, NoWindow, "RICHCNTL"), NoWindow);
}

TEST(ClassNameOf, GivesTheWholeBufferWithTrailingNuls)
{
    InMemoryWindowTree tree;
    const WindowHandle window = tree.addTopLevel("MDIClient");

    const ClassNameBuffer name = ClassNameOf(tree, window);

    EXPECT_EQ(std::string_view(name.data(), 9), "MDIClient");
    EXPECT_TRUE(std::all_of(name.begin() + 9, name.end(), [](char c) { return c == '\0'; }));
}

TEST(ClassNameOf, IsAllNulForAWindowThatDoesNotExist)
{
    InMemoryWindowTree tree;

    const ClassNameBuffer name = ClassNameOf(tree, WindowHandle {12345});

    EXPECT_EQ(name, ClassNameBuffer {});
}

TEST(NoClientWindowTree, SendsNothingButStillLetsEventsRun)
{
    int pumpRuns = 0;
    NoClientWindowTree tree([&] { ++pumpRuns; });

    PostToChat(tree, "hello");

    EXPECT_EQ(LocateChatRoom(tree), NoWindow);
    EXPECT_EQ(pumpRuns, 200);
}

TEST(DesktopWindowTree, FindsNoClientOutsideWindowsAndPumpsThroughTheGivenEvents)
{
    int pumpRuns = 0;
    const auto tree = MakeDesktopWindowTree([&] { ++pumpRuns; });

    PostToChat(*tree, "hello");

    EXPECT_EQ(pumpRuns, 100);
    EXPECT_EQ(tree->topLevelWindowOfClass("AOL Frame25"), NoWindow);
}

} // namespace
