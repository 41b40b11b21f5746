#include "engine/FadeGenerator.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"

#include <benchmark/benchmark.h>

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

void generateFade(benchmark::State &state)
{
    FadeRequest request;
    request.message = longestMessage();
    request.fadeMode = int(state.range(0));
    request.dialect = state.range(1) ? MarkupDialect::ChatLine : MarkupDialect::Page;
    request.options = {
        QStringLiteral("Comic Sans MS"), QStringLiteral("3"), true, false, false, false};
    PlainFadeHost host({255, 0, 0}, {0, 0, 255}, {0, 255, 0});
    SegmentState segments;
    RandomSource random(1);
    qsizetype length = 0;
    for (auto _ : state) {
        const FadeResult result = GenerateFade(request, host, segments, random);
        length = result.output->size();
        benchmark::DoNotOptimize(length);
    }
    state.counters["markup_chars"] = double(length);
}

void colourModesInBothDialects(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgNames({"mode", "chat"});
    for (int chat : {0, 1}) {
        for (int mode = FadeMode::Normal; mode <= FadeMode::TWMystery; ++mode)
            benchmark->Args({mode, chat});
    }
}

} // namespace

BENCHMARK(generateFade)->Apply(colourModesInBothDialects)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
