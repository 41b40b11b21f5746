#include "chat/irc/IrcPlainText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Each formatting character goes, and a colour code with at most two digits for each colour,
// or six hexadecimal ones; what follows is the text.
TEST(IrcPlainText, DropsEveryFormattingCode)
{
    const struct
    {
        QString text;
        QString plain;
    } rows[] = {
        {u"\x03"
         "04,12a"_s,
         u"a"_s},
        {u"\x03"
         "4a"_s,
         u"a"_s},
        {u"\x03"
         "123"_s,
         u"3"_s},
        {u"\x03,5e"_s, u",5e"_s},
        {u"\x04"
         "FF00aab"_s,
         u"b"_s},
        {u"\x04"
         "FF00AA,000000c"_s,
         u"c"_s},
        {u"\x02\x1D\x1F\x1E\x11\x16\x0F"
         "d"_s,
         u"d"_s},
        {u"\x01ж😀"_s, u"\x01ж😀"_s},
    };
    for (const auto &row : rows)
        EXPECT_EQ(IrcPlainText(row.text), row.plain) << row.text.toStdString();
}
