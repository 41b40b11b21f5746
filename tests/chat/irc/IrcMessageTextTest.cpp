#include "chat/irc/IrcMessageText.h"

#include <gtest/gtest.h>

namespace {

// The engine cuts between letters and keeps a colour code with its letter (\003 starts an mIRC
// colour code, \004 a hexadecimal one); here its cut in characters becomes one in bytes. The
// sender's test meets the line limit with letters of every width.
TEST(IrcMessagePieceLength, FillsTheRoomWithoutCuttingACharacterOrAColourCodeFromItsLetter)
{
    const struct
    {
        const char *name;
        QByteArray text;
        qsizetype room;
        qsizetype length;
    } rows[] = {
        {"cut inside the colour's digits", "ab\00304,12c", 4, 2},
        {"cut inside a hexadecimal colour", "a\004FF8800,000000b", 14, 1},
        {"a room smaller than the first letter", "жx", 1, 2},
        {"a letter keeps its marks", "ae\314\201x", 2, 1},
        {"bytes that are not UTF-8 are cut at the room", "ab\377cd", 3, 3},
    };
    for (const auto &row : rows)
        EXPECT_EQ(IrcMessagePieceLength(row.text, row.room), row.length) << row.name;
}

// The formatting rules are the engine's; here the cut in bytes meets the text in characters.
TEST(IrcMessageRest, OpensWithTheFormattingInForceWhereTheCutFell)
{
    const struct
    {
        const char *name;
        QByteArray text;
        qsizetype cut;
        QByteArray rest;
    } rows[] = {
        {"bold and colour in force", "\002\00304ab", 5, "\002\00304b"},
        {"a digit kept from the restated colour", "\00304a1", 4, "\00304\002\0021"},
        {"bytes that are not UTF-8 as they are", "a\377\00304b", 2, "\00304b"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(IrcMessageRest(row.text, row.cut), row.rest) << row.name;
}

} // namespace
