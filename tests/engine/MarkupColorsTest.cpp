#include "engine/formats/MarkupColors.h"

#include "FadeRun.h"
#include "engine/StopsFit.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

const QString MessageLetters = u"a|Z| |é|👍🏽|🇫🇷|e\u0301|\r\n|ж|1"_s;

bool near(const std::optional<Rgb> &a, const std::optional<Rgb> &b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return std::max({std::abs(a->red - b->red), std::abs(a->green - b->green),
                     std::abs(a->blue - b->blue)}) <= StopsFitTolerance;
}

QList<std::optional<Rgb>> colors(std::initializer_list<ColorValue> values)
{
    QList<std::optional<Rgb>> list;
    for (const ColorValue value : values)
        list << SplitColor(value);
    return list;
}

} // namespace

// Faded through random stops, read back as its format and as any form, fitted and faded again:
// every letter within the tolerance.
TEST(MarkupColors, FittedStopsFadeTheReadMarkupAgain)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 30; ++round) {
        const QString message = RandomMessage(random, MessageLetters, 200);
        QList<Rgb> stops(std::uniform_int_distribution(2, 10)(random));
        for (Rgb &stop : stops)
            stop = RandomColor(random);
        for (const OutputFormat format : AllFormats()) {
            // The formats of palettes write each colour whole.
            if (format == OutputFormat::Ansi256 || format == OutputFormat::Irc ||
                format == OutputFormat::Discord)
                continue;
            FadeRun run(message, FadeMode::Stops, format);
            run.request.stops = stops;
            run.request.options.waving = round % 2 == 1;
            run.request.options.bold = round % 3 == 1;
            const QString markup = run.markup();
            for (const std::optional<OutputFormat> as :
                 {std::optional(format), std::optional<OutputFormat>()}) {
                const std::optional<ColoredMessage> read = ReadColoredMessage(markup, as);
                ASSERT_TRUE(read) << int(format) << markup.toStdString();
                ASSERT_EQ(read->message, message) << int(format);
                const std::optional<QList<Rgb>> fitted = FitStops(*read);
                ASSERT_TRUE(fitted) << int(format) << stops.size();
                const QList<std::optional<Rgb>> again = StopsTurnColors(message, *fitted);
                ASSERT_EQ(again.size(), read->turnColors.size());
                for (qsizetype turn = 0; turn < again.size(); ++turn)
                    ASSERT_TRUE(near(again[turn], read->turnColors[turn]))
                        << int(format) << " turn " << turn;
            }
        }
    }
}

TEST(MarkupColors, ReadTheCommonFormsOfOtherTools)
{
    const std::tuple<const char *, QString, QString, QList<std::optional<Rgb>>> cases[] = {
        {"plugin codes", u"&#FF0000a&#0000ffb"_s, u"ab"_s, colors({0x0000FF, 0xFF0000})},
        {"MiniMessage", u"<#ff0000>a<b><#0000FF>b"_s, u"ab"_s, colors({0x0000FF, 0xFF0000})},
        {"BBCode", u"[color=#FF0000]a[/color][b][color=0000ff]b[/color][/b]"_s, u"ab"_s,
         colors({0x0000FF, 0xFF0000})},
        {"spans",
         u"<span style=\"font-weight:bold; color: #ff0000\">a</span>c<span style='color:#0000ff'>b</span>"_s,
         u"acb"_s,
         {SplitColor(0x0000FF), std::nullopt, SplitColor(0xFF0000)}},
        {"font tags and entities",
         u"<font face=x color=\"#FF0000\">&lt;&amp;</font><br><FONT COLOR=0000FF>&#233;"_s,
         u"<&\r\né"_s,
         {SplitColor(0x0000FF), SplitColor(0x0000FF), std::nullopt, SplitColor(0xFF0000)}},
        {"IRC palette and hex",
         u"\u0002\u000304a\u000312,01b\u000400FF00c\u000fd"_s,
         u"abcd"_s,
         {SplitColor(0x0000FF), SplitColor(0xFC0000), SplitColor(0x00FF00), std::nullopt}},
        {"terminal",
         u"\x1b[1m\x1b[38;2;255;0;0ma\x1b[0m\nb"_s,
         u"a\r\nb"_s,
         {SplitColor(0x0000FF), std::nullopt, std::nullopt}},
        {"legacy hex", u"&x&f&f&0&0&0&0&la§x§0§0§0§0§f§fb"_s, u"ab"_s,
         colors({0x0000FF, 0xFF0000})},
    };
    for (const auto &[name, markup, message, turnColors] : cases) {
        const std::optional<ColoredMessage> read = ReadColoredMessage(markup, std::nullopt);
        ASSERT_TRUE(read) << name;
        EXPECT_EQ(read->message, message) << name;
        EXPECT_EQ(read->turnColors, turnColors) << name;
    }
    EXPECT_FALSE(ReadColoredMessage(u"no colour at all"_s, std::nullopt));
    EXPECT_FALSE(ReadColoredMessage(u"<b>bold</b>"_s, OutputFormat::Html));
    EXPECT_FALSE(ReadColoredMessage(u"<span style=\"color:#ff0000\">a"_s, OutputFormat::Html));
    EXPECT_FALSE(ReadColoredMessage(u"\x1b[38;5;196ma\x1b[0m"_s, OutputFormat::Ansi256));
}

TEST(FitStops, TakesTheFewestStopsAndRefusesColoursOfNoGradient)
{
    const ColoredMessage normal {QString(40, u'x'),
                                 StopsTurnColors(QString(40, u'x'), {Red, Blue})};
    EXPECT_EQ(FitStops(normal), (QList<Rgb> {Red, Blue}));

    ColoredMessage stripes {QString(40, u'x'), {}};
    for (int letter = 0; letter < 40; ++letter)
        stripes.turnColors << (letter % 2 ? Red : Blue);
    EXPECT_EQ(FitStops(stripes), std::nullopt);

    const ColoredMessage three {u"abc"_s, {Red, Green, Blue}};
    EXPECT_EQ(FitStops(three), (QList<Rgb> {Red, Green, Blue}));
}
