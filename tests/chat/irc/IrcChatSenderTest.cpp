#include "chat/irc/IrcChatSender.h"

#include "tests/chat/irc/IrcObserver.h"
#include "tests/chat/irc/NgircdServer.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

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

// A line of 512 bytes, CR LF included, leaves 512 - 2 - Head.size() = 467 bytes for text. A cut
// falls before a letter or a colour code with its letter, and the rest opens with the colour in
// force. A line break never reaches the server inside a message, nor a NUL, which takes no room,
// nor an empty message.
TEST(IrcChatSender, DeliversALineWholeInMessagesThatFitTheLineLimit)
{
    const QByteArray x = "x", zhe = "\xD0\xB6", smile = "\xF0\x9F\x98\x80", red = "\00304",
                     fade = "\00304,12\xD0\xB6";
    const struct
    {
        QByteArray line;
        QList<QByteArray> texts;
    } rows[] = {
        {x.repeated(467), {x.repeated(467)}},
        {x.repeated(468), {x.repeated(467), "x"}},
        {x.repeated(466) + QByteArray("\0yy", 3), {x.repeated(466) + "y", "y"}},
        {zhe.repeated(300), {zhe.repeated(233), zhe.repeated(67)}},
        {smile.repeated(117), {smile.repeated(116), smile}},
        {red + zhe.repeated(300), {red + zhe.repeated(232), red + zhe.repeated(68)}},
        {fade.repeated(59), {fade.repeated(58), fade}},
        {QByteArray("a\r\nQUIT :b\0c\rd\n", 15), {"a", "QUIT :bc", "d"}},
        {QByteArray("\r\n\0\n", 4), {}},
    };
    const NgircdServer server;
    IrcObserver observer(server.plainPort(), "watcher");
    IrcChatSender sender(plainSettings(server.plainPort()), Quick);
    QList<QByteArray> expected;
    for (const auto &row : rows) {
        sender.send(row.line.toStdString());
        for (const QByteArray &text : row.texts)
            expected << Head + text + "\r\n";
    }

    ASSERT_TRUE(observer.waitForMessages(expected.size()));
    EXPECT_EQ(observer.messages(), expected);
    EXPECT_EQ(expected.first().size(), 512);
}

// A line break in a setting would smuggle in a command of its own: it is dropped.
TEST(IrcChatSender, GivesTheServerPasswordAndAddsAnUnderscoreToANicknameInUse)
{
    const NgircdServer server({false, "secret", {}});
    IrcObserver observer(server.plainPort(), "tintra", "secret");
    IrcSettings settings = plainSettings(server.plainPort());
    settings.nickname = u"tin\r\ntra"_s;
    settings.serverPassword = u"sec\nret"_s;
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
    for (const bool byDigest : {false, true}) {
        IrcSettings settings = plainSettings(server.tlsPort());
        settings.tls = true;
        settings.nickname = byDigest ? u"digest"_s : u"authority"_s;
        if (byDigest)
            settings.trustedCertificateSha256 =
                server.certificate().digest(QCryptographicHash::Sha256);
        else
            settings.extraCaCertificates = {server.certificate()};
        IrcChatSender sender(settings, Quick);
        sender.send("Hi");
        ASSERT_TRUE(observer.waitForMessages(byDigest ? 2 : 1));
    }
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({":authority!~tintra@127.0.0.1 PRIVMSG #tintra :Hi\r\n",
                                 ":digest!~tintra@127.0.0.1 PRIVMSG #tintra :Hi\r\n"}));
}

// Each problem ends in one report that names what the user needs; the line either never left
// and comes back, or reached the server, which refused it.
TEST(IrcChatSender, ReportsEachProblemOnceAndLosesNoLine)
{
    const quint16 unused = FreePort();
    const struct
    {
        NgircdServer::Options server; // TLS, server password, channel modes; TLS is used if offered
        std::optional<quint16> port; // else the server's
        QString serverPassword;
        bool sasl;
        QString named; // {fingerprint}: the server certificate's
        bool lineWritten;
    } rows[] = {
        {{false, "secret", {}}, {}, u"wrong"_s, false, u"Bad password"_s, false},
        {{}, unused, {}, false, u"port %1."_s.arg(unused), false},
        {{true, {}, {}}, {}, {}, false, u"fingerprint is {fingerprint};"_s, false},
        {{}, {}, {}, true, u"SASL"_s, false},
        {{false, {}, "+i"}, {}, {}, false, u"invited"_s, false},
        {{false, {}, "+m"}, {}, {}, false, u"did not take the message: Cannot send"_s, true},
    };
    for (const auto &row : rows) {
        const NgircdServer server(row.server);
        IrcSettings settings = plainSettings(
            row.port.value_or(row.server.tls ? server.tlsPort() : server.plainPort()));
        settings.tls = row.server.tls;
        settings.serverPassword = row.serverPassword;
        if (row.sasl)
            settings.sasl = {{u"tintra"_s, {}}};
        const QByteArray digest = server.certificate().digest(QCryptographicHash::Sha256);
        const QString named = QString(row.named).replace(
            u"{fingerprint}"_s, QString::fromLatin1(digest.toHex(':').toUpper()));
        IrcChatSender sender(settings, Quick);
        QSignalSpy problems(&sender, &IrcChatSender::problem);
        QSignalSpy undelivered(&sender, &IrcChatSender::undelivered);
        sender.send("Hi");

        ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, 10000))
            << named.toStdString();
        EXPECT_EQ(problems.size(), 1);
        EXPECT_TRUE(texts(problems).join(u' ').contains(named))
            << texts(problems).join(u' ').toStdString();
        EXPECT_EQ(texts(undelivered), row.lineWritten ? QStringList() : QStringList {u"Hi"_s});
    }
}

// "Delivered" is "written to the socket": what was written before the server dropped us is not
// sent again, and what still waited for its turn, the burst of two spent, is reported, not sent
// on a new connection. What waits when the sender goes is sent before it goes.
TEST(IrcChatSender, ReportsWhatWaitedWhenTheServerDropsItAndSendsNothingTwice)
{
    const NgircdServer server;
    IrcObserver observer(server.plainPort(), "watcher");
    auto sender = std::make_unique<IrcChatSender>(plainSettings(server.plainPort()),
                                                  IrcChatSender::Pacing {2, 1h});
    QSignalSpy problems(sender.get(), &IrcChatSender::problem);
    QSignalSpy undelivered(sender.get(), &IrcChatSender::undelivered);
    for (const char *line : {"one", "two", "three", "four"})
        sender->send(line);
    ASSERT_TRUE(observer.waitForMessages(2));
    observer.send("OPER tester tester");
    observer.send("KILL tintra :dropped");

    ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, 10000));
    EXPECT_TRUE(texts(problems).join(u' ').endsWith(u"dropped"_s));
    EXPECT_EQ(texts(undelivered), QStringList({u"three"_s, u"four"_s}));
    for (const char *line : {"five", "six", "seven"})
        sender->send(line);
    ASSERT_TRUE(observer.waitForMessages(4));
    sender.reset();

    ASSERT_TRUE(observer.waitForMessages(5));
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({Head + "one\r\n", Head + "two\r\n", Head + "five\r\n",
                                 Head + "six\r\n", Head + "seven\r\n"}));
}

} // namespace
