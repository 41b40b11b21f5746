#include "app/TintraProgram.h"
#include "chat/TintaAOL.h"
#include "forms/main/Tintra3.h"
#include "winhelpers/testing/Monkey.h"
#include "winhelpers/testing/RandomDialogs.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <iostream>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Many times the moves it takes to meet a paste from the desktop's empty clipboard, and quick
// under UBSan.
constexpr int SuiteMoves = 5000;
constexpr int MovesPerCheck = 25;

// The seed and the move under way, in static storage: a signal handler can reach nothing else.
std::array<char, 1024> &crashNote()
{
    static std::array<char, 1024> note {};
    return note;
}

// Writes the note, then lets the signal end the program as it would have.
void reportCrash(int signal)
{
    [[maybe_unused]] const ssize_t written =
        write(STDERR_FILENO, crashNote().data(), strnlen(crashNote().data(), crashNote().size()));
    std::signal(signal, SIG_DFL);
    raise(signal);
}

// The program keeps answering, with the main window or the chat window in its place shown.
void expectAnswering(const Tintra3 &mainWindow)
{
    const QObject context;
    bool fired = false;
    QTimer::singleShot(0, &context, [&fired] { fired = true; });
    EXPECT_TRUE(QTest::qWaitFor([&fired] { return fired; }, 10'000)) << "the event loop stopped";
    const auto *chat = mainWindow.findChild<TintaAOL *>();
    EXPECT_TRUE(mainWindow.isVisible() || (chat && chat->isVisible())) << "no window is left";
}

// A run lasts TINTRA_MONKEY_SECONDS, else TINTRA_MONKEY_EVENTS moves, else the suite's moves, from
// the seed TINTRA_MONKEY_SEED, else a new one. TINTRA_MONKEY_VERBOSE lists the moves.
TEST(TintraMonkey, RandomInputNeitherStopsTheProgramNorChangesTextOnAPasteOfNothing)
{
    bool timed = false, counted = false, given = false;
    const qint64 seconds = qEnvironmentVariableIntValue("TINTRA_MONKEY_SECONDS", &timed);
    const int moves = qEnvironmentVariableIntValue("TINTRA_MONKEY_EVENTS", &counted);
    const quint32 chosenSeed = qEnvironmentVariable("TINTRA_MONKEY_SEED").toUInt(&given);
    const quint32 seed = given ? chosenSeed : QRandomGenerator::system()->generate();
    const bool verbose = qEnvironmentVariableIsSet("TINTRA_MONKEY_VERBOSE");
    std::cout << "monkey seed " << seed << " (TINTRA_MONKEY_SEED=" << seed << " replays it)"
              << std::endl;
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP})
        std::signal(signal, reportCrash);

    // Pictures for the file chooser's answers: one there, one gone.
    const QTemporaryDir folder;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkMagenta);
    picture.save(folder.filePath(u"sunset.jpg"_s));
    QRandomGenerator random(seed);
    RandomDialogs dialogs(random,
                          {folder.filePath(u"sunset.jpg"_s), folder.filePath(u"gone ä.gif"_s)});
    TintraProgram program(
        dialogs, {FontListFile(), [] {
                      return u"Arial,Comic Sans MS,DejaVu Sans,Noto Sans CJK JP"_s.split(u',');
                  }});
    QGuiApplication::clipboard()->setMimeData(new QMimeData); // the desktop's, before any copy
    Tintra3 &mainWindow = program.mainWindow();
    int move = 0;
    Monkey monkey(mainWindow, random, [seed, &move, verbose](const QString &what) {
        std::snprintf(crashNote().data(), crashNote().size(),
                      "\nmonkey: seed %u crashed in move %d: %s\n"
                      "TINTRA_MONKEY_SEED=%u TINTRA_MONKEY_EVENTS=%d replays it\n",
                      seed, move, qPrintable(what), seed, move + 1);
        if (verbose)
            std::cout << move << ": " << what.toStdString() << std::endl;
    });
    QElapsedTimer clock;
    clock.start();
    for (; timed ? clock.elapsed() < seconds * 1000 : move < (counted ? moves : SuiteMoves);
         ++move) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", move " << move);
        EXPECT_EQ(monkey.act(), QString());
        if (move % MovesPerCheck == MovesPerCheck - 1)
            expectAnswering(mainWindow);
        if (testing::Test::HasFailure())
            break;
    }
    std::cout << "monkey made " << move << " moves" << std::endl;
    QSignalSpy ended(&mainWindow, &Tintra3::programEnded);
    mainWindow.close();
    EXPECT_EQ(ended.count(), 1);
}

} // namespace
