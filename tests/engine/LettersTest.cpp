#include "engine/Letters.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SplitLetters, KeepsEachUserPerceivedCharacterWhole)
{
    const struct
    {
        QString message;
        QStringList letters;
    } cases[] = {
        {u"Hi"_s, {u"H"_s, u"i"_s}},
        {u"a\r\nb"_s, {u"a"_s, u"\r"_s, u"\n"_s, u"b"_s}},
        {u"å¶ÿ"_s, {u"å"_s, u"¶"_s, u"ÿ"_s}},
        {u"e\u0301!"_s, {u"e\u0301"_s, u"!"_s}},
        {u"a😀b"_s, {u"a"_s, u"😀"_s, u"b"_s}},
        {u"👍🏽"_s, {u"👍🏽"_s}},
        {u"🇫🇷🇩🇪"_s, {u"🇫🇷"_s, u"🇩🇪"_s}},
        {u"👨‍👩‍👧"_s, {u"👨‍👩‍👧"_s}},
        {u"é\r\n"_s, {u"é"_s, u"\r"_s, u"\n"_s}},
        {u"😀\r\n"_s, {u"😀"_s, u"\r"_s, u"\n"_s}},
    };
    for (const auto &c : cases) {
        QStringList letters;
        for (const QStringView letter : SplitLetters(c.message))
            letters << letter.toString();
        EXPECT_EQ(letters, c.letters) << qPrintable(c.message);
    }
}
