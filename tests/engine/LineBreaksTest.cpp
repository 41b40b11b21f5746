#include "engine/LineBreaks.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LineBreaks, MakeEveryKindOfBreakOneOfTheirOwn)
{
    const struct
    {
        QString text;
        QString withCrLf;
        QString withLineFeeds;
    } cases[] = {
        {u""_s, u""_s, u""_s},
        {u"ab"_s, u"ab"_s, u"ab"_s},
        {u"a\nb\r\nc\rd"_s, u"a\r\nb\r\nc\r\nd"_s, u"a\nb\nc\nd"_s},
        {u"\n\n"_s, u"\r\n\r\n"_s, u"\n\n"_s},
        {u"\r\r\n"_s, u"\r\n\r\n"_s, u"\n\n"_s},
        {u"\n\r"_s, u"\r\n\r\n"_s, u"\n\n"_s},
        {u"\r"_s, u"\r\n"_s, u"\n"_s},
    };
    for (const auto &c : cases) {
        const QByteArray hex = c.text.toUtf8().toHex();
        EXPECT_EQ(WithCrLfBreaks(c.text), c.withCrLf) << hex.constData();
        EXPECT_EQ(WithLineFeeds(c.text), c.withLineFeeds) << hex.constData();
    }
}
