#include "engine/FadeGenerator.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"
#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"
#include "forms/preview/WebEngineSetup.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <map>
#include <unistd.h>

namespace {

// The fade of the longest message the main window accepts, as the output box would hold it.
QString longestFade()
{
    FadeRequest request;
    request.message = QStringLiteral("The quick brown fox jumps over the lazy dog! ")
                          .repeated(MaximumLetters / 45 + 1)
                          .left(MaximumLetters);
    request.options = {
        QStringLiteral("Comic Sans MS"), QStringLiteral("3"), true, false, false, false};
    PlainFadeHost host({255, 0, 0}, {0, 0, 255}, {0, 255, 0});
    SegmentState segments;
    RandomSource random(1);
    return *GenerateFade(request, host, segments, random).output;
}

// The program's main window, its services and the preview, kept across the benchmarks so the
// first opening is measured once, as the user meets it.
struct Program
{
    QTemporaryDir folder;
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    QWidget mainWindow;
    QString fade = longestFade();
    QPointer<Tinta2> preview;

    void viewAndWait()
    {
        preview = ViewHtmlFade(mainWindow, fade, services, false, PreviewFile(folder.path()));
        waitForLoad();
    }

    void waitForLoad()
    {
        QSignalSpy loaded(preview->browser(), &QWebEngineView::loadFinished);
        if (!loaded.wait(10000))
            qFatal("the preview did not load");
    }

    void close()
    {
        preview->close();
        if (!QTest::qWaitFor([&] { return preview.isNull(); }, 5000))
            qFatal("the preview did not go away");
    }
};

// Owned by main, which must end it before the application object goes.
Program *running = nullptr;

Program &program()
{
    return *running;
}

// Resident and proportional memory, in MB, of this process and the browser's helper processes
// it started.
struct Memory
{
    double residentSelf = 0;
    double residentTree = 0;
    double proportionalTree = 0;
    int processes = 0;
};

double kilobytes(const QByteArray &status, const QByteArray &field)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

QByteArray readProc(qint64 pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<qint64> processTree()
{
    std::multimap<qint64, qint64> children;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        const QByteArray stat = readProc(pid, "stat");
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.emplace(fields.at(1).toLongLong(), pid);
    }
    std::vector<qint64> tree {getpid()};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const auto [first, last] = children.equal_range(tree[i]);
        for (auto it = first; it != last; ++it)
            tree.push_back(it->second);
    }
    return tree;
}

Memory memory()
{
    Memory memory;
    for (const qint64 pid : processTree()) {
        const QByteArray rollup = readProc(pid, "smaps_rollup");
        const double rss = kilobytes(rollup, "Rss:") / 1024;
        if (pid == getpid())
            memory.residentSelf = rss;
        memory.residentTree += rss;
        memory.proportionalTree += kilobytes(rollup, "Pss:") / 1024;
        ++memory.processes;
    }
    return memory;
}

void reportMemory(benchmark::State &state)
{
    const Memory now = memory();
    state.counters["rss_self_MB"] = now.residentSelf;
    state.counters["rss_tree_MB"] = now.residentTree;
    state.counters["pss_tree_MB"] = now.proportionalTree;
    state.counters["processes"] = now.processes;
}

void firstView(benchmark::State &state)
{
    Program &shared = program();
    state.counters["rss_before_MB"] = memory().residentSelf;
    for (auto _ : state)
        shared.viewAndWait();
    reportMemory(state);
}

void viewAfterClosing(benchmark::State &state)
{
    Program &shared = program();
    for (auto _ : state) {
        state.PauseTiming();
        shared.close();
        state.ResumeTiming();
        shared.viewAndWait();
    }
    reportMemory(state);
}

void viewWhileOpen(benchmark::State &state)
{
    Program &shared = program();
    for (auto _ : state)
        ViewHtmlFade(shared.mainWindow, shared.fade, shared.services, false,
                     PreviewFile(shared.folder.path()));
}

void backgroundChange(benchmark::State &state)
{
    Program &shared = program();
    auto *clear = shared.preview->findChild<QPushButton *>(QStringLiteral("Command3"));
    for (auto _ : state) {
        QTest::mouseClick(clear, Qt::LeftButton);
        shared.waitForLoad();
    }
    reportMemory(state);
}

} // namespace

BENCHMARK(firstView)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(viewAfterClosing)->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(viewWhileOpen)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(backgroundChange)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Program shared;
    running = &shared;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
