#include "FadeRun.h"
#include "engine/FadeChart.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

const Rgb White {255, 255, 255};

const QString MessageLetters = u"a|Z| |<|&|é|👍🏽|🇫🇷|e\u0301|\r\n|ж"_s;

FadeResult fade(const QString &message, int mode, OutputFormat format, const QList<Rgb> &stops)
{
    FadeRun run(message, mode, format);
    run.host = RecordingHost(u"5"_s, stops.value(0), stops.value(1), stops.value(2));
    run.request.stops = stops;
    run.request.options.bold = true;
    run.request.options.waving = true;
    return run.generate();
}

} // namespace

TEST(StopsFade, TwoStopsFadeAsNormalFadeAndThreeAsTTintraFadeInEveryFormat)
{
    std::mt19937 random(24);
    for (int round = 0; round < 40; ++round) {
        const QString message = RandomMessage(random, MessageLetters, round < 10 ? 4 : 300);
        const QList<Rgb> stops {RandomColor(random), RandomColor(random), RandomColor(random)};
        for (const OutputFormat format : AllFormats()) {
            const FadeResult normal = fade(message, FadeMode::Normal, format, stops);
            const FadeResult two = fade(message, FadeMode::Stops, format, stops.first(2));
            EXPECT_EQ(two.output, normal.output) << int(format) << message.toStdString();
            EXPECT_EQ(two.lastColor, normal.lastColor);
            const FadeResult ttintra = fade(message, FadeMode::TTintra, format, stops);
            const FadeResult three = fade(message, FadeMode::Stops, format, stops);
            EXPECT_EQ(three.output, ttintra.output) << int(format) << message.toStdString();
        }
    }
}

// Passes of equal length, the last held at the final stop; with fewer letters than passes each
// shows the stop of its place, CR and LF counted; one stop is too few and an eleventh is left out.
TEST(StopsFade, PassesOfEqualLengthAndALastPassHeldAtTheFinalStop)
{
    const std::tuple<QString, QList<Rgb>, QString> cases[] = {
        {u"abcdefg"_s,
         {Red, Blue, Green, White},
         u"FF0000 800080 0000FF 008080 00FF00 80FF80 FFFFFF"_s},
        {u"abcdefgh"_s,
         {Red, Blue, Green, White},
         u"FF0000 800080 0000FF 008080 00FF00 80FF80 FFFFFF FFFFFF"_s},
        {u"a\r\nbc"_s, {Red, Blue, Green, White, Red, Blue}, u"FF0000 FFFFFF FF0000"_s},
        {u"a"_s, QList<Rgb>(10, Green), u"00FF00"_s},
        {u"ab"_s, {Green}, u"00FF00 80FF80"_s},
        {QString(11, u'x'), QList<Rgb>(10, Blue) << Red, QStringList(11, u"0000FF"_s).join(u' ')},
    };
    for (const auto &[message, stops, colors] : cases) {
        FadeRun run(message, FadeMode::Stops);
        run.host = RecordingHost(u"5"_s, Green, White, Red);
        run.request.stops = stops;
        EXPECT_EQ(letterColors(run.markup()).join(u' '), colors) << qPrintable(message);
    }
}

TEST(StopsFade, ChartShowsTheFirstEightyLetters)
{
    const auto bands = StopsChartColors({Red, Blue, Green, White});
    EXPECT_EQ(SplitColor(bands[0]), Red);
    EXPECT_EQ(SplitColor(bands[26]), Blue); // h = 26
    EXPECT_EQ(SplitColor(bands[52]), Green);
    EXPECT_EQ(SplitColor(bands[78]), White);
    EXPECT_EQ(SplitColor(bands[79]), White);
}
