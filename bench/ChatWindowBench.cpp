#include "chat/TintaAOL.h"
#include "chat/WindowTreeSender.h"
#include "chat/room/testing/InMemoryWindowTree.h"
#include "engine/RandomSource.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The chat window over a client with one chat room open.
struct ChatRoomFixture
{
    ChatRoomFixture()
    {
        const WindowHandle frame = tree.addTopLevel("AOL Frame25");
        const WindowHandle room = tree.addChild(tree.addChild(frame, "MDIClient"), "AOL Child");
        tree.addChild(room, "RICHCNTL");
        inputLine = tree.addChild(room, "RICHCNTL");
        tree.addChild(room, "_AOL_Listbox");
        window = new TintaAOL(services, {u"Abadi"_s, u"Arial"_s},
                              std::make_unique<WindowTreeSender>(tree), &owner);
    }

    InMemoryWindowTree tree;
    WindowHandle inputLine = NoWindow;
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    QWidget owner;
    QPointer<TintaAOL> window;
};

// "Send Text!" from the click on the button to the line in the room's input box, for a message
// of the given length in the given fade type.
void SendTextClick(benchmark::State &state)
{
    ChatRoomFixture fixture;
    QString letters;
    for (int letter = 0; letter < state.range(0); ++letter)
        letters += QChar(u'a' + letter % 26);
    fixture.window->findChild<QPlainTextEdit *>(u"Text7"_s)->setPlainText(letters);
    fixture.window->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(int(state.range(1)));
    auto *button = fixture.window->findChild<QPushButton *>(u"Command1"_s);
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        benchmark::DoNotOptimize(fixture.tree.textOf(fixture.inputLine).size());
    }
    state.counters["line"] = double(fixture.tree.textOf(fixture.inputLine).size());
}

BENCHMARK(SendTextClick)
    ->ArgsProduct({{1400, 20000}, {0, 4, 6}})
    ->ArgNames({"letters", "fade"})
    ->Unit(benchmark::kMillisecond);

// One step of a bar as its thumb is dragged: the swatch and the whole chart follow.
void BarStep(benchmark::State &state)
{
    ChatRoomFixture fixture;
    fixture.window->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(int(state.range(0)));
    auto *bar = fixture.window->findChild<QScrollBar *>(u"HScroll2"_s);
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 256;
        bar->setValue(value);
    }
}

BENCHMARK(BarStep)->Arg(4)->Arg(6)->ArgName("fade")->Unit(benchmark::kMicrosecond);

} // namespace
