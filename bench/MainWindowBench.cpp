#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "winhelpers/Pause.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {

// "Generate Fade" on a 1400-letter message, from the click on the button to the markup in the
// output box; with repaint, until the window has also drawn it.
void GenerateFadeClick(benchmark::State &state)
{
    AnsweringDialogs dialogs;
    RandomSource random(1);
    Services services(dialogs, random);
    Tintra3 window(services);
    window.fontNameList().addItem(u"Comic Sans MS"_s);
    window.fontSizeList().addItem(u"3"_s);
    auto *message = window.findChild<QPlainTextEdit *>(u"Text7"_s);
    auto *output = window.findChild<QPlainTextEdit *>(u"Text10"_s);
    auto *button = window.findChild<QPushButton *>(u"Command1"_s);
    QString letters;
    for (int letter = 0; letter < 1400; ++letter)
        letters += QChar(u'a' + letter % 26);
    message->setPlainText(letters);
    const bool repaint = state.range(0) != 0;
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        if (repaint)
            window.repaint();
        benchmark::DoNotOptimize(output->document()->characterCount());
    }
    state.counters["markup"] = double(output->document()->characterCount());
}

BENCHMARK(GenerateFadeClick)->Arg(0)->Arg(1)->ArgName("repaint")->Unit(benchmark::kMillisecond);

// One arrow key on a focused colour bar, from the key event to the updated label, colour box
// and fade chart, in the fade of the given list index (0 normal, 3 repeater, 4 three colours);
// with repaint, until the window has also drawn them. Dragging a thumb runs the same change at
// every move.
void ScrollBarChange(benchmark::State &state)
{
    AnsweringDialogs dialogs;
    RandomSource random(1);
    Services services(dialogs, random);
    Tintra3 window(services);
    window.findChild<QComboBox *>(u"Combo3"_s)->setCurrentIndex(int(state.range(0)));
    auto *green = window.findChild<QScrollBar *>(u"HScroll2"_s);
    green->setFocus();
    const bool repaint = state.range(1) != 0;
    bool up = true;
    for (auto _ : state) {
        QTest::keyClick(green, up ? Qt::Key_Right : Qt::Key_Left);
        if (repaint)
            window.repaint();
        up = !up;
    }
    benchmark::DoNotOptimize(green->value());
}

BENCHMARK(ScrollBarChange)
    ->ArgsProduct({{0, 3, 4}, {0, 1}})
    ->ArgNames({"fade", "repaint"})
    ->Unit(benchmark::kMicrosecond);

double processCpuSeconds()
{
    timespec used {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

// Closing the main window: the farewell's ten gradients 0.1 second apart and the slide-off.
// It mostly waits, so what counts is the CPU time it takes meanwhile: cpu_share is the
// process's CPU time over the wall time of the farewell.
void Farewell(benchmark::State &state)
{
    AnsweringDialogs dialogs;
    RandomSource random(1);
    Services services(dialogs, random);
    double cpuSeconds = 0;
    double wallSeconds = 0;
    for (auto _ : state) {
        Tintra3 window(services);
        const double cpuStart = processCpuSeconds();
        const double wallStart = SteadySeconds();
        window.close();
        const double wall = SteadySeconds() - wallStart;
        cpuSeconds += processCpuSeconds() - cpuStart;
        wallSeconds += wall;
        state.SetIterationTime(wall);
    }
    state.counters["cpu_ms"] = cpuSeconds * 1e3 / double(state.iterations());
    state.counters["cpu_share_%"] = 100 * cpuSeconds / wallSeconds;
}

BENCHMARK(Farewell)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
