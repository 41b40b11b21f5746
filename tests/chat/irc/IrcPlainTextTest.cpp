#include "chat/irc/IrcPlainText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Each formatting character goes, and a colour code with at most two digits for each colour,
// or six hexadecimal ones; what follows is the text.
TEST(IrcPlainText, DropsEveryFormattingCode)
{
    const std::pair<QString, QString> rows[] = {
        {u"\00304,12a"_s, u"a"_s},      {u"\0034a"_s, u"a"_s},
        {u"\003123"_s, u"3"_s},         {u"\003,5e"_s, u",5e"_s},
        {u"\004FF00aab"_s, u"b"_s},     {u"\004FF00AA,000000c"_s, u"c"_s},
        {u"\004FF00Ax"_s, u"FF00Ax"_s}, {u"\002\035\037\036\021\026\017d"_s, u"d"_s},
        {u"\001ж😀"_s, u"\001ж😀"_s},
    };
    for (const auto &[text, plain] : rows)
        EXPECT_EQ(IrcPlainText(text), plain) << text.toStdString();
}
