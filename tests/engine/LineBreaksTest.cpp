#include "engine/LineBreaks.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

TEST(LineBreaks, MakeEveryKindOfBreakOneOfTheirOwn)
{
    const std::tuple<QString, QString, QString> cases[] = {
        {u""_s, u""_s, u""_s},
        {u"ab"_s, u"ab"_s, u"ab"_s},
        {u"a\nb\r\nc\rd"_s, u"a\r\nb\r\nc\r\nd"_s, u"a\nb\nc\nd"_s},
        {u"\n\n"_s, u"\r\n\r\n"_s, u"\n\n"_s},
        {u"\r\r\n"_s, u"\r\n\r\n"_s, u"\n\n"_s},
        {u"\n\r"_s, u"\r\n\r\n"_s, u"\n\n"_s},
        {u"\r"_s, u"\r\n"_s, u"\n"_s},
    };
    for (const auto &[text, withCrLf, withLineFeeds] : cases) {
        const QByteArray hex = text.toUtf8().toHex();
        EXPECT_EQ(WithCrLfBreaks(text), withCrLf) << hex.constData();
        EXPECT_EQ(WithLineFeeds(text), withLineFeeds) << hex.constData();
    }
}
