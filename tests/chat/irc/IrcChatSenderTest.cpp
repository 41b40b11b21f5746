#include "chat/irc/IrcChatSender.h"

#include "tests/chat/irc/IrcObserver.h"
#include "tests/chat/irc/NgircdServer.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int WaitLimitMs = 10000;
// The default burst, without the pause after it.
constexpr IrcChatSender::Pacing Quick {4, 1ms};
// What the others see before each of our messages; the server adds ~ to a user name that no
// ident server vouches for.
const QByteArray Head = ":tintra!~tintra@127.0.0.1 PRIVMSG #tintra :";

IrcSettings plainSettings(quint16 port)
{
    IrcSettings settings;
    settings.host = u"127.0.0.1"_s;
    settings.tls = false;
    settings.port = port;
    settings.nickname = u"tintra"_s;
    settings.channel = u"#tintra"_s;
    return settings;
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &arguments : spy)
        texts << arguments.at(0).toString();
    return texts;
}

// The room for text is 512 - 2 - ":tintra!~tintra@127.0.0.1 ".size() - "PRIVMSG #tintra :".size()
// = 467 bytes: 467 letters, 233 two-byte letters, 116 four-byte ones or 58 eight-byte colour
// codes with their letters (\003 starts an mIRC colour code).
TEST(IrcChatSender, DeliversALineWholeInMessagesThatFitTheLineLimit)
{
    const struct
    {
        const char *name;
        std::string unit;
        int repeats;
        qsizetype messages;
        // The size of each message but the last, CR LF included: 512 less what a character or a
        // colour code with its letter, which a message does not cut, leaves unused.
        qsizetype fullMessageBytes;
    } rows[] = {
        {"short", "Hi", 1, 1, 0},
        {"ASCII", "x", 1000, 3, 512},
        {"Cyrillic", "ж", 400, 2, 511},
        {"emoji", "😀", 300, 3, 509},
        {"colour fade", "\00304,12ж", 200, 4, 509},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const NgircdServer server;
        IrcObserver observer(server.plainPort(), "watcher");
        IrcChatSender sender(plainSettings(server.plainPort()), Quick);
        std::string line;
        for (int repeat = 0; repeat < row.repeats; ++repeat)
            line += row.unit;
        sender.send(line);
        sender.send("end");

        ASSERT_TRUE(observer.waitForMessages(row.messages + 1));
        QList<QByteArray> messages = observer.messages();
        ASSERT_EQ(messages.takeLast(), Head + "end\r\n");
        ASSERT_EQ(messages.size(), row.messages);
        QByteArray whole;
        for (qsizetype index = 0; index < messages.size(); ++index) {
            const QByteArray &message = messages[index];
            ASSERT_TRUE(message.startsWith(Head) && message.endsWith("\r\n")) << index;
            const QByteArray text = message.sliced(Head.size()).chopped(2);
            EXPECT_TRUE(text.startsWith(row.unit)) << index;
            if (index + 1 < messages.size()) {
                EXPECT_EQ(message.size(), row.fullMessageBytes) << index;
            }
            whole += text;
        }
        EXPECT_EQ(whole.toStdString(), line);
    }
}

TEST(IrcChatSender, GivesTheServerPasswordAndAddsAnUnderscoreToANicknameInUse)
{
    const NgircdServer server({false, "secret", {}});
    IrcObserver observer(server.plainPort(), "tintra", "secret");
    IrcSettings settings = plainSettings(server.plainPort());
    settings.serverPassword = u"secret"_s;
    IrcChatSender sender(settings, Quick);
    sender.send("Hi");

    ASSERT_TRUE(observer.waitForMessages(1));
    EXPECT_EQ(observer.messages(),
              QList<QByteArray> {":tintra_!~tintra@127.0.0.1 PRIVMSG #tintra :Hi\r\n"});
}

// The test's certificate is trusted only as the settings say: as an authority, or by its digest.
TEST(IrcChatSender, SendsOverTlsToAServerWhoseCertificateTheSettingsTrust)
{
    const NgircdServer server({true, {}, {}});
    IrcObserver observer(server.plainPort(), "watcher");
    IrcSettings asAuthority = plainSettings(server.tlsPort());
    asAuthority.tls = true;
    IrcSettings byDigest = asAuthority;
    asAuthority.nickname = u"authority"_s;
    asAuthority.extraCaCertificates = {server.certificate()};
    byDigest.nickname = u"digest"_s;
    byDigest.trustedCertificateSha256 = server.certificate().digest(QCryptographicHash::Sha256);
    IrcChatSender trustingAnAuthority(asAuthority, Quick);
    IrcChatSender trustingADigest(byDigest, Quick);
    trustingAnAuthority.send("Hi");
    ASSERT_TRUE(observer.waitForMessages(1));
    trustingADigest.send("Hi");

    ASSERT_TRUE(observer.waitForMessages(2));
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({":authority!~tintra@127.0.0.1 PRIVMSG #tintra :Hi\r\n",
                                 ":digest!~tintra@127.0.0.1 PRIVMSG #tintra :Hi\r\n"}));
}

// Each problem ends in one report; the line either never left and comes back, or reached the
// server, which refused it. The problems hold {port} for the port connected to and {fingerprint}
// for the server certificate's.
TEST(IrcChatSender, ReportsEachProblemOnceAndLosesNoLine)
{
    const struct
    {
        const char *name;
        NgircdServer::Options server; // TLS, server password, channel modes
        std::function<void(IrcSettings &, const NgircdServer &)> change;
        const char16_t *problem;
        bool lineWritten;
    } rows[] = {
        {"wrong server password",
         {false, "secret", {}},
         [](IrcSettings &settings, auto &) { settings.serverPassword = u"wrong"_s; },
         u"The IRC server 127.0.0.1 closed the connection: Access denied: Bad password?",
         false},
        {"nothing listening",
         {false, {}, {}},
         [](IrcSettings &settings, auto &) { settings.port = FreePort(); },
         u"The IRC server 127.0.0.1 refused the connection on port {port}.",
         false},
        {"untrusted certificate",
         {true, {}, {}},
         [](IrcSettings &settings, const NgircdServer &server) {
             settings.tls = true;
             settings.port = server.tlsPort();
         },
         u"The IRC server 127.0.0.1 showed a certificate that is not trusted (The certificate is "
         u"self-signed, and untrusted). Its SHA-256 fingerprint is {fingerprint}; trust it only "
         u"if the server's operators confirm that fingerprint.",
         false},
        {"SASL not offered",
         {false, {}, {}},
         [](IrcSettings &settings, auto &) {
             settings.sasl = {{u"tintra"_s, u"secret"_s}};
         },
         u"The IRC server 127.0.0.1 does not offer the SASL login that the settings ask for.",
         false},
        {"invite-only channel",
         {false, {}, "+i"},
         nullptr,
         u"#tintra on 127.0.0.1 lets in only those invited.",
         false},
        {"moderated channel",
         {false, {}, "+m"},
         nullptr,
         u"#tintra on 127.0.0.1 did not take the message: Cannot send to channel",
         true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const NgircdServer server(row.server);
        IrcSettings settings = plainSettings(server.plainPort());
        if (row.change)
            row.change(settings, server);
        const QByteArray digest = server.certificate().digest(QCryptographicHash::Sha256);
        const QString expected =
            QString::fromUtf16(row.problem)
                .replace(u"{port}"_s, QString::number(settings.effectivePort()))
                .replace(u"{fingerprint}"_s, QString::fromLatin1(digest.toHex(':').toUpper()));
        IrcChatSender sender(settings, Quick);
        QSignalSpy problems(&sender, &IrcChatSender::problem);
        QSignalSpy undelivered(&sender, &IrcChatSender::undelivered);
        sender.send("Hi");

        ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, WaitLimitMs));
        EXPECT_EQ(texts(problems), QStringList {expected});
        EXPECT_EQ(texts(undelivered), row.lineWritten ? QStringList() : QStringList {u"Hi"_s});
    }
}

// "Delivered" is "written to the socket": what was written before the server dropped us is not
// sent again, and what still waited for its turn is reported, not sent on a new connection.
TEST(IrcChatSender, ReportsWhatWaitedWhenTheServerDropsItAndSendsNothingTwice)
{
    const NgircdServer server;
    IrcObserver observer(server.plainPort(), "watcher");
    // Two messages at once, then none for an hour: the rest waits when the server drops us.
    IrcChatSender sender(plainSettings(server.plainPort()), {2, 1h});
    QSignalSpy problems(&sender, &IrcChatSender::problem);
    QSignalSpy undelivered(&sender, &IrcChatSender::undelivered);
    for (const char *line : {"one", "two", "three", "four"})
        sender.send(line);
    ASSERT_TRUE(observer.waitForMessages(2));
    observer.send("OPER tester tester");
    observer.send("KILL tintra :dropped");

    ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, WaitLimitMs));
    EXPECT_EQ(texts(problems),
              QStringList {u"The IRC server 127.0.0.1 closed the connection: KILLed by watcher: "
                           "dropped"_s});
    EXPECT_EQ(texts(undelivered), QStringList({u"three"_s, u"four"_s}));

    sender.send("five");
    ASSERT_TRUE(observer.waitForMessages(3));
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({Head + "one\r\n", Head + "two\r\n", Head + "five\r\n"}));
}

TEST(IrcChatSender, SendsWhatWaitsBeforeItGoes)
{
    const NgircdServer server;
    IrcObserver observer(server.plainPort(), "watcher");
    auto sender = std::make_unique<IrcChatSender>(plainSettings(server.plainPort()),
                                                  IrcChatSender::Pacing {1, 1h});
    sender->send("one");
    sender->send("two");
    ASSERT_TRUE(observer.waitForMessages(1));
    sender.reset();

    ASSERT_TRUE(observer.waitForMessages(2));
    EXPECT_EQ(observer.messages(), QList<QByteArray>({Head + "one\r\n", Head + "two\r\n"}));
}

} // namespace
