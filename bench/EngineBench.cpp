#include "engine/Budget.h"
#include "engine/FadeGenerator.h"
#include "engine/MarkupBuffer.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"
#include "engine/StopsFit.h"
#include "engine/formats/MarkupColors.h"

#include <QStringList>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// A message of the longest length the main window accepts, with a line break now and then.
QString longestMessage()
{
    QString message;
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog!");
    while (message.size() + line.size() + 2 <= MaximumLetters)
        message += line + QStringLiteral("\r\n");
    return message.leftJustified(MaximumLetters, QLatin1Char('x'));
}

// The longest message made of the given letters, taken in turn.
QString longestMessageOf(const QStringList &letters)
{
    QString message;
    for (int i = 0; i < MaximumLetters; ++i)
        message += letters[i % letters.size()];
    return message;
}

// Each flag follows an emoji, the pair that once cut flags apart.
const QStringList EmojiThenFlag = {u"😀"_s, u"🇫🇷"_s};

// Latin with accents, Greek, Cyrillic, Hebrew, Arabic, Devanagari, Thai, Han and Hangul, with
// emoji, a skin tone, a family, a flag and a line break between them: one letter per entry.
const QStringList MixedScript =
    u"H|é|l|e\u0301| |Γ|ε|ι|ά| |П|р|и|в|е|т| |ש|ל|ו|ם| |م|ر|ح|ب|ا| |न|म|स्ते| |ส|วั|ส|ดี| |你|好| "
    u"|안|녕| |👍🏽|👨‍👩‍👧|🇫🇷|😀|!|\r|\n"_s.split(u'|');

FadeRequest requestFor(const QString &message, int mode, OutputFormat format)
{
    FadeRequest request;
    request.message = message;
    request.fadeMode = mode;
    request.format = format;
    request.options = {
        QStringLiteral("Comic Sans MS"), QStringLiteral("3"), true, false, false, false};
    // Stops Fade at its most: ten stops round the colour wheel and back.
    request.stops = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {0, 255, 0},     {0, 255, 255},
                     {0, 0, 255}, {128, 0, 255}, {255, 0, 255}, {128, 128, 128}, {0, 0, 0}};
    return request;
}

void runFades(benchmark::State &state, const FadeRequest &request)
{
    PlainFadeHost host({255, 0, 0}, {0, 0, 255}, {0, 255, 0});
    SegmentState segments;
    RandomSource random(1);
    MarkupBuffer buffer;
    qsizetype length = 0;
    for (auto _ : state) {
        const FadeResult result = GenerateFade(request, host, segments, random, buffer);
        length = result.output->size();
        benchmark::DoNotOptimize(length);
    }
    state.counters["markup_chars"] = double(length);
}

void generateFade(benchmark::State &state)
{
    runFades(state,
             requestFor(longestMessage(), int(state.range(0)), OutputFormat(state.range(1))));
}

// A Normal Fade of a message whose letters need Unicode's rules to be found.
void generateFadeOfText(benchmark::State &state, const QStringList &letters)
{
    runFades(state, requestFor(longestMessageOf(letters), FadeMode::Normal, OutputFormat::Page));
}

// "Take Colours from Markup" on the longest page of ten stops: reading the letters and their
// colours and fitting the stops.
void takeColorsFromMarkup(benchmark::State &state)
{
    PlainFadeHost host({255, 0, 0}, {0, 0, 255}, {0, 255, 0});
    SegmentState segments;
    RandomSource random(1);
    const QString markup =
        *GenerateFade(requestFor(longestMessage(), FadeMode::Stops, OutputFormat::Page), host,
                      segments, random)
             .output;
    for (auto _ : state) {
        const std::optional<QList<Rgb>> stops = FitStops(*ReadColoredMessage(markup, std::nullopt));
        benchmark::DoNotOptimize(stops);
    }
}

// Every colour mode in the page and chat markup, and Normal Fade in each other format.
void colourModesAndFormats(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgNames({"mode", "format"});
    for (const OutputFormat format : {OutputFormat::Page, OutputFormat::ChatLine}) {
        for (int mode = FadeMode::Normal; mode <= FadeMode::TWMystery; ++mode)
            benchmark->Args({mode, int(format)});
        benchmark->Args({FadeMode::Stops, int(format)});
    }
    for (int format = int(OutputFormat::Html); format <= int(OutputFormat::Rtf); ++format)
        benchmark->Args({FadeMode::Normal, format});
}

// The count of a 1400-letter fade's markup against its target's limit, in the target's unit.
void countMarkup(benchmark::State &state)
{
    const OutputFormat format = OutputFormat(state.range(0));
    PlainFadeHost host({255, 0, 0}, {0, 0, 255}, {0, 255, 0});
    SegmentState segments;
    RandomSource random(1);
    const QString markup = *GenerateFade(requestFor(longestMessage(), FadeMode::Randomize, format),
                                         host, segments, random)
                                .output;
    const Budget budget = *TargetBudget(format);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountMarkup(markup, budget));
    state.counters["markup_chars"] = double(markup.size());
}

// A 1400-letter fade over its target's limit: the fade, its count and the search for the
// spacing of codes that fits.
void fadeOverBudget(benchmark::State &state)
{
    FadeRequest request = requestFor(longestMessage(), FadeMode::Normal, OutputFormat::AmpHex);
    request.budget = TargetBudget(request.format);
    runFades(state, request);
}

} // namespace

BENCHMARK(countMarkup)
    ->ArgName("format")
    ->Arg(int(OutputFormat::AmpHex))
    ->Arg(int(OutputFormat::Irc))
    ->Arg(int(OutputFormat::Discord))
    ->Arg(int(OutputFormat::Matrix))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(fadeOverBudget)->Unit(benchmark::kMicrosecond);
BENCHMARK(generateFade)->Apply(colourModesAndFormats)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(generateFadeOfText, emoji_then_flag, EmojiThenFlag)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(generateFadeOfText, mixed_script, MixedScript)->Unit(benchmark::kMicrosecond);
BENCHMARK(takeColorsFromMarkup)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
