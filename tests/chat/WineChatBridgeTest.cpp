#include "chat/WineChatBridge.h"

#include "chat/DesktopChatSender.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <signal.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

using Outcome = WineChatBridge::Outcome;

// A wine that runs no Windows program: it notes its arguments and the line it is given, then
// does what the test asks. It complains in a file when two of it run at once.
class FakeWine
{
public:
    explicit FakeWine(const QString &then)
    {
        const QString script = uR"sh(#!/bin/sh
cd "$(dirname "$0")"
[ -e running ] && touch overlapped
touch running
echo $$ > pid
printf '%s\n' "$*" >> arguments
{ cat; echo; } >> lines
rm running
)sh"_s + then +
            u'\n';
        WriteBytes(path(), script.toUtf8());
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString folder() const { return m_folder.path(); }
    QString path() const { return m_folder.filePath(u"wine"_s); }
    QByteArray file(const QString &name) const { return ReadBytes(m_folder.filePath(name)); }
    bool ran() const { return QFile::exists(m_folder.filePath(u"arguments"_s)); }

    bool lastRunHasEnded() const
    {
        const pid_t pid = file(u"pid"_s).trimmed().toInt();
        return pid > 0 && ::kill(pid, 0) == -1 && errno == ESRCH;
    }

private:
    QTemporaryDir m_folder;
};

// A Wine prefix as Wine leaves it once it has set it up, named by WINEPREFIX while it lives.
class PreparedWinePrefix
{
public:
    PreparedWinePrefix()
    {
        WriteBytes(m_folder.filePath(u"system.reg"_s), "WINE REGISTRY Version 2\n");
    }

private:
    QTemporaryDir m_folder;
    decltype(SetVariableInScope("", {})) m_named =
        SetVariableInScope("WINEPREFIX", m_folder.path().toLocal8Bit());
};

// Waits, running events, until the bridge has dealt with count lines.
std::vector<Outcome> outcomes(QSignalSpy &done, qsizetype count)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.size() >= count; }, 10000));
    std::vector<Outcome> seen;
    for (const QList<QVariant> &signal : done)
        seen.push_back(signal.at(0).value<Outcome>());
    return seen;
}

// The helper's exit status gives the outcome; it is handed the line on its standard input.
TEST(WineChatBridge, GivesTheHelpersAnswerForTheLineItHandsOn)
{
    const PreparedWinePrefix prefix;
    const std::pair<const char *, Outcome> answers[] = {{"exit 0", Outcome::Posted},
                                                        {"exit 3", Outcome::NoRoom},
                                                        {"exit 2", Outcome::Failed},
                                                        {"kill -SEGV $$", Outcome::Failed}};
    for (const auto &[then, outcome] : answers) {
        SCOPED_TRACE(then);
        FakeWine wine(QString::fromUtf8(then));
        WineChatBridge bridge(wine.path(), u"/opt/helper/tintra-post.exe"_s);
        QSignalSpy done(&bridge, &WineChatBridge::lineDone);

        bridge.send("<FONT COLOR=#FF0000>\xD0\xB6\r\nline two");

        EXPECT_EQ(outcomes(done, 1), std::vector {outcome});
        EXPECT_EQ(wine.file(u"arguments"_s), "/opt/helper/tintra-post.exe\n");
        EXPECT_EQ(wine.file(u"lines"_s), "<FONT COLOR=#FF0000>\xD0\xB6\r\nline two\n");
    }
}

// Lines go one at a time, in order, and those still on their way when the bridge goes are
// delivered all the same.
TEST(WineChatBridge, SendsOneLineAtATimeInOrderUntilTheLastEvenWhenItGoes)
{
    const PreparedWinePrefix prefix;
    FakeWine wine(u"sleep 0.1"_s);
    auto bridge = std::make_unique<WineChatBridge>(wine.path(), u"tintra-post.exe"_s);
    QSignalSpy done(bridge.get(), &WineChatBridge::lineDone);

    for (const char *line : {"first", "second", "third"})
        bridge->send(line);
    EXPECT_EQ(outcomes(done, 3), std::vector(3, Outcome::Posted));
    bridge->send("sent");
    bridge->send("and closed at once");
    bridge.reset();

    EXPECT_EQ(wine.file(u"lines"_s), "first\nsecond\nthird\nsent\nand closed at once\n");
    EXPECT_FALSE(QFile::exists(wine.folder() + u"/overlapped"_s));
}

TEST(WineChatBridge, FailsEveryLineWhenWineDoesNotStart)
{
    const PreparedWinePrefix prefix;
    const QTemporaryDir folder;
    WineChatBridge bridge(folder.filePath(u"wine"_s), u"tintra-post.exe"_s);
    QSignalSpy done(&bridge, &WineChatBridge::lineDone);

    bridge.send("first");
    bridge.send("second");

    EXPECT_EQ(outcomes(done, 2), std::vector(2, Outcome::Failed));
}

// A helper that hangs holds up neither the sender, so the chat window stays usable, nor the
// lines after it for long: it is stopped.
TEST(WineChatBridge, StopsAHelperThatDoesNotAnswerInTimeWithoutWaitingForIt)
{
    const PreparedWinePrefix prefix;
    FakeWine wine(u"exec sleep 30"_s);
    WineChatBridge bridge(wine.path(), u"tintra-post.exe"_s, 1s);
    QSignalSpy done(&bridge, &WineChatBridge::lineDone);
    QElapsedTimer clock;
    clock.start();

    bridge.send("hello");

    EXPECT_LT(clock.elapsed(), 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wine.ran(); }, 5000));
    EXPECT_TRUE(done.isEmpty());
    EXPECT_EQ(outcomes(done, 1), std::vector {Outcome::TimedOut});
    EXPECT_TRUE(wine.lastRunHasEnded());
}

// No client can run in a prefix that does not exist or that Wine has not set up, so Wine is
// not run there: it would build a whole new prefix. WINEPREFIX names the prefix, else ~/.wine.
TEST(WineChatBridge, RunsWineOnlyInAPrefixThatIsSetUp)
{
    const struct
    {
        const char *name;
        const char *prefixVariable; // relative to a fresh home; null: unset
        const char *registry; // the file made in the prefix, or null
        Outcome outcome;
    } prefixes[] = {
        {"no ~/.wine", nullptr, nullptr, Outcome::NoRoom},
        {"~/.wine set up", nullptr, ".wine/system.reg", Outcome::Posted},
        {"empty WINEPREFIX, ~/.wine set up", "", ".wine/system.reg", Outcome::Posted},
        {"WINEPREFIX missing", "prefix", nullptr, Outcome::NoRoom},
        {"WINEPREFIX without a registry", "prefix", "prefix/user.reg", Outcome::NoRoom},
        {"WINEPREFIX set up, ~/.wine not", "prefix", "prefix/system.reg", Outcome::Posted},
        {"WINEPREFIX not set up, ~/.wine is", "prefix", ".wine/system.reg", Outcome::NoRoom},
    };
    for (const auto &prefix : prefixes) {
        SCOPED_TRACE(prefix.name);
        FreshUserFolders folders;
        const QDir home(folders.home());
        const QString named = QString::fromUtf8(prefix.prefixVariable);
        if (!prefix.prefixVariable)
            folders.unset("WINEPREFIX");
        else
            folders.set("WINEPREFIX",
                        named.isEmpty() ? QByteArray() : home.filePath(named).toLocal8Bit());
        const QString registry =
            prefix.registry ? home.filePath(QString::fromUtf8(prefix.registry)) : QString();
        if (!registry.isEmpty()) {
            home.mkpath(QFileInfo(registry).path());
            WriteBytes(registry, "");
        }
        FakeWine wine(u"exit 0"_s);
        WineChatBridge bridge(wine.path(), u"tintra-post.exe"_s);
        QSignalSpy done(&bridge, &WineChatBridge::lineDone);

        bridge.send("Hi");

        EXPECT_EQ(outcomes(done, 1), std::vector {prefix.outcome});
        EXPECT_EQ(wine.ran(), prefix.outcome == Outcome::Posted);
        EXPECT_EQ(home.exists(u".wine"_s), registry.startsWith(home.filePath(u".wine"_s)));
    }
}

// The program's folder, with or without tintra-post.exe where it is installed beside it.
class ProgramFolder
{
public:
    explicit ProgramFolder(bool withHelper)
    {
        QDir().mkpath(program());
        if (withHelper) {
            const QString helper = ChatHelperPath(program());
            QDir().mkpath(QFileInfo(helper).path());
            WriteBytes(helper, "MZ");
        }
    }

    QString program() const { return m_root.filePath(u"bin"_s); }

private:
    QTemporaryDir m_root;
};

// The chat window takes the Wine bridge only when both wine and the helper are there; otherwise
// "Send Text!" goes nowhere, as on a desktop without a client.
TEST(WineChatBridge, IsTheDesktopsSenderOnlyWithWineAndTheHelper)
{
    const PreparedWinePrefix prefix;
    // Whether wine is on the PATH and the helper installed.
    const std::pair<bool, bool> installations[] = {{true, true}, {false, true}, {true, false}};
    for (const auto &[wineOnPath, helperInstalled] : installations) {
        SCOPED_TRACE(testing::Message() << wineOnPath << helperInstalled);
        FakeWine wine(u"exit 0"_s);
        const QTemporaryDir withoutWine;
        const ProgramFolder folder(helperInstalled);
        // The fake needs the usual tools, and no other wine may be found.
        const auto path = SetVariableInScope(
            "PATH",
            (wineOnPath ? wine.folder() + u":/usr/bin:/bin"_s : withoutWine.path()).toLocal8Bit());
        const std::unique_ptr<ChatSender> sender = MakeDesktopChatSender(folder.program());
        auto *bridge = dynamic_cast<WineChatBridge *>(sender.get());
        ASSERT_EQ(bridge != nullptr, wineOnPath && helperInstalled);

        sender->send("Hi");

        if (bridge) {
            QSignalSpy done(bridge, &WineChatBridge::lineDone);
            EXPECT_EQ(outcomes(done, 1), std::vector {Outcome::Posted});
            EXPECT_EQ(QString::fromUtf8(wine.file(u"arguments"_s).trimmed()),
                      ChatHelperPath(folder.program()));
        } else {
            EXPECT_FALSE(wine.ran());
        }
    }
}

} // namespace
