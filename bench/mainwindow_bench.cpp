#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
