#include "chat/WineChatBridge.h"

#include "chat/DesktopChatSender.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
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
// does what the test asks.
class FakeWine
{
public:
    explicit FakeWine(const QString &then)
    {
        const QString script = uR"sh(#!/bin/sh
cd "$(dirname "$0")"
echo $$ > pid
printf '%s\n' "$*" >> arguments
{ cat; echo; } >> lines
)sh"_s;
        WriteBytes(path(), QString(script).append(then).toUtf8());
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::ExeOwner);
    }

    QString path(const QString &name = u"wine"_s) const { return m_folder.filePath(name); }
    QByteArray file(const QString &name) const { return ReadBytes(path(name)); }
    bool ran() const { return QFile::exists(path(u"arguments"_s)); }

private:
    QTemporaryDir m_folder;
};

// Fresh user folders, and WINEPREFIX naming a prefix in them as Wine leaves it once set up.
struct PreparedWinePrefix : FreshUserFolders
{
    PreparedWinePrefix()
    {
        set("WINEPREFIX", home().toLocal8Bit());
        WriteBytes(home() + u"/system.reg"_s, "WINE REGISTRY Version 2\n");
    }
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

// The helper's exit status gives the outcome of each line, which it is handed on its standard
// input; a wine that does not start fails every line. The lines go one at a time and in order,
// and one still on its way when the bridge goes is delivered all the same. A helper that hangs
// holds up neither the sender, so the chat window stays usable, nor the lines after it for long:
// it is stopped.
TEST(WineChatBridge, GivesTheHelpersAnswerForEachLineItHandsOnOneAtATime)
{
    const PreparedWinePrefix prefix;
    const std::pair<const char *, Outcome> answers[] = {
        {"exit 0", Outcome::Posted},        {"sleep 0.1", Outcome::Posted},
        {"exit 3", Outcome::NoRoom},        {"exit 2", Outcome::Failed},
        {"kill -SEGV $$", Outcome::Failed}, {"exec sleep 30", Outcome::TimedOut},
        {nullptr, Outcome::Failed}};
    for (const auto &[then, outcome] : answers) {
        SCOPED_TRACE(then ? then : "no wine");
        FakeWine wine(QString::fromUtf8(then));
        auto bridge = std::make_unique<WineChatBridge>(
            then ? wine.path() : wine.path(u"none"_s), u"C:/tintra-post.exe"_s,
            outcome == Outcome::TimedOut ? 1s : WineChatBridge::DefaultTimeLimit);
        QSignalSpy done(bridge.get(), &WineChatBridge::lineDone);

        bridge->send("<FONT COLOR=#FF0000>\xD0\xB6\r\nline two");
        bridge->send("again");

        EXPECT_TRUE(done.isEmpty());
        EXPECT_EQ(outcomes(done, 2), std::vector(2, outcome));
        bridge->send("closed at once");
        bridge.reset();
        if (then) {
            EXPECT_EQ(wine.file(u"arguments"_s), QByteArray("C:/tintra-post.exe\n").repeated(3));
            EXPECT_EQ(wine.file(u"lines"_s),
                      "<FONT COLOR=#FF0000>\xD0\xB6\r\nline two\nagain\nclosed at once\n");
            const pid_t pid = wine.file(u"pid"_s).trimmed().toInt();
            EXPECT_TRUE(pid > 0 && ::kill(pid, 0) == -1 && errno == ESRCH);
        }
    }
}

// No client can run in a prefix that does not exist or that Wine has not set up, so Wine is
// not run there: it would build a whole new prefix. WINEPREFIX names the prefix, else ~/.wine.
TEST(WineChatBridge, RunsWineOnlyInAPrefixThatIsSetUp)
{
    const struct
    {
        const char *prefixVariable; // relative to a fresh home; null: unset
        const char *registry; // the file made in the prefix, or null
        Outcome outcome;
    } prefixes[] = {
        {nullptr, nullptr, Outcome::NoRoom},
        {nullptr, ".wine/system.reg", Outcome::Posted},
        {"", ".wine/system.reg", Outcome::Posted},
        {"prefix", nullptr, Outcome::NoRoom},
        {"prefix", "prefix/user.reg", Outcome::NoRoom},
        {"prefix", "prefix/system.reg", Outcome::Posted},
        {"prefix", ".wine/system.reg", Outcome::NoRoom},
    };
    for (const auto &prefix : prefixes) {
        SCOPED_TRACE(testing::Message() << prefix.prefixVariable << " " << prefix.registry);
        FreshUserFolders folders;
        const QDir home(folders.home());
        const QString named = QString::fromUtf8(prefix.prefixVariable);
        const QString registry = home.filePath(QString::fromUtf8(prefix.registry));
        if (prefix.prefixVariable)
            folders.set("WINEPREFIX",
                        named.isEmpty() ? QByteArray() : home.filePath(named).toLocal8Bit());
        else
            folders.unset("WINEPREFIX");
        if (prefix.registry && home.mkpath(QFileInfo(registry).path()))
            WriteBytes(registry, "");
        FakeWine wine(u"exit 0"_s);
        WineChatBridge bridge(wine.path(), u"tintra-post.exe"_s);
        QSignalSpy done(&bridge, &WineChatBridge::lineDone);

        bridge.send("Hi");

        EXPECT_EQ(outcomes(done, 1), std::vector {prefix.outcome});
        EXPECT_EQ(wine.ran(), prefix.outcome == Outcome::Posted);
        EXPECT_EQ(home.exists(u".wine"_s), prefix.registry && *prefix.registry == '.');
    }
}

// The chat window takes the Wine bridge only when both wine and the helper, installed where the
// program looks for it, are there; otherwise "Send Text!" goes nowhere, as on a desktop without
// a client.
TEST(WineChatBridge, IsTheDesktopsSenderOnlyWithWineAndTheHelper)
{
    const PreparedWinePrefix prefix;
    const std::pair<bool, bool> installations[] = {{true, true}, {false, true}, {true, false}};
    for (const auto &[wineOnPath, helperInstalled] : installations) {
        SCOPED_TRACE(testing::Message() << wineOnPath << helperInstalled);
        FakeWine wine(u"exit 0"_s);
        const QTemporaryDir root;
        const QString program = root.filePath(u"bin"_s), helper = ChatHelperPath(program);
        QDir().mkpath(program);
        if (helperInstalled) {
            QDir().mkpath(QFileInfo(helper).path());
            WriteBytes(helper, "MZ");
        }
        // The fake needs the usual tools, and no other wine may be found.
        const auto path = SetVariableInScope(
            "PATH", (wineOnPath ? wine.path(u"."_s) + u":/usr/bin:/bin"_s : program).toLocal8Bit());
        const std::unique_ptr<ChatSender> sender = MakeDesktopChatSender(program);
        auto *bridge = dynamic_cast<WineChatBridge *>(sender.get());
        ASSERT_EQ(bridge != nullptr, wineOnPath && helperInstalled);

        sender->send("Hi");

        if (bridge) {
            QSignalSpy done(bridge, &WineChatBridge::lineDone);
            EXPECT_EQ(outcomes(done, 1), std::vector {Outcome::Posted});
            EXPECT_EQ(QString::fromUtf8(wine.file(u"arguments"_s).trimmed()), helper);
        }
        EXPECT_EQ(wine.ran(), bridge != nullptr);
    }
}

} // namespace
