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

template<typename Case> std::string caseName(const testing::TestParamInfo<Case> &test)
{
    return test.param.name;
}

QByteArray textOf(const QByteArray &message)
{
    return message.sliced(Head.size()).chopped(2);
}

struct DeliveryCase
{
    const char *name;
    std::string unit;
    int repeats;
    qsizetype messages;
    // The size of each message but the last, CR LF included: 512 less what a character or a
    // colour code with its letter, which a message does not cut, leaves unused.
    qsizetype fullMessageBytes;
};

class IrcDelivery : public testing::TestWithParam<DeliveryCase>
{
};

// The room for text is 512 - 2 - ":tintra!~tintra@127.0.0.1 ".size() - "PRIVMSG #tintra :".size()
// = 467 bytes: 467 letters, 233 two-byte letters, 116 four-byte ones or 58 eight-byte colour
// codes with their letters (\003 starts an mIRC colour code).
TEST_P(IrcDelivery, ReachesTheChannelWholeInMessagesThatFitTheLineLimit)
{
    const DeliveryCase &row = GetParam();
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
        ASSERT_TRUE(message.startsWith(Head) && message.endsWith("\r\n")) << message.toStdString();
        const QByteArray text = textOf(message);
        EXPECT_TRUE(text.startsWith(row.unit)) << index;
        if (index + 1 < messages.size()) {
            EXPECT_EQ(message.size(), row.fullMessageBytes) << index;
        }
        whole += text;
    }
    EXPECT_EQ(whole.toStdString(), line);
}

INSTANTIATE_TEST_SUITE_P(Lines, IrcDelivery,
                         testing::Values(DeliveryCase {"Short", "Hi", 1, 1, 0},
                                         DeliveryCase {"Ascii", "x", 1000, 3, 512},
                                         DeliveryCase {"Cyrillic", "ж", 400, 2, 511},
                                         DeliveryCase {"Emoji", "😀", 300, 3, 509},
                                         DeliveryCase {"ColourFade", "\00304,12ж", 200, 4, 509}),
                         caseName<DeliveryCase>);

TEST(IrcChatSender, TakesTheNicknameWithAnUnderscoreWhileItIsInUse)
{
    const NgircdServer server;
    IrcObserver observer(server.plainPort(), "tintra");
    IrcChatSender sender(plainSettings(server.plainPort()), Quick);
    sender.send("Hi");

    ASSERT_TRUE(observer.waitForMessages(1));
    EXPECT_EQ(observer.messages(),
              QList<QByteArray> {":tintra_!~tintra@127.0.0.1 PRIVMSG #tintra :Hi\r\n"});
}

TEST(IrcChatSender, GivesTheServerPassword)
{
    const NgircdServer server({false, "secret", {}});
    IrcObserver observer(server.plainPort(), "watcher", "secret");
    IrcSettings settings = plainSettings(server.plainPort());
    settings.serverPassword = u"secret"_s;
    IrcChatSender sender(settings, Quick);
    sender.send("Hi");

    ASSERT_TRUE(observer.waitForMessages(1));
    EXPECT_EQ(observer.messages(), QList<QByteArray> {Head + "Hi\r\n"});
}

struct TrustCase
{
    const char *name;
    std::function<void(IrcSettings &, const QSslCertificate &)> trust;
};

class IrcTlsTrust : public testing::TestWithParam<TrustCase>
{
};

TEST_P(IrcTlsTrust, SendsOverTlsToAServerWhoseCertificateIsTrusted)
{
    const NgircdServer server({true, {}, {}});
    IrcObserver observer(server.plainPort(), "watcher");
    IrcSettings settings = plainSettings(server.tlsPort());
    settings.tls = true;
    GetParam().trust(settings, server.certificate());
    IrcChatSender sender(settings, Quick);
    QSignalSpy problems(&sender, &IrcChatSender::problem);
    sender.send("Hi");

    ASSERT_TRUE(observer.waitForMessages(1)) << texts(problems).join(u'\n').toStdString();
    EXPECT_EQ(observer.messages(), QList<QByteArray> {Head + "Hi\r\n"});
    EXPECT_TRUE(problems.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Trust, IrcTlsTrust,
    testing::Values(TrustCase {"AsAnAuthority",
                               [](IrcSettings &settings, const QSslCertificate &certificate) {
                                   settings.extraCaCertificates = {certificate};
                               }},
                    TrustCase {"ByFingerprint",
                               [](IrcSettings &settings, const QSslCertificate &certificate) {
                                   settings.trustedCertificateSha256 =
                                       certificate.digest(QCryptographicHash::Sha256);
                               }}),
    caseName<TrustCase>);

struct ProblemCase
{
    const char *name;
    // TLS, server password, channel modes.
    NgircdServer::Options server;
    // Changes the settings and gives the problem they lead to.
    std::function<QString(IrcSettings &, const NgircdServer &)> arrange;
    // The line went to the server, which refused it; otherwise it never left.
    bool lineWritten = false;
};

class IrcProblem : public testing::TestWithParam<ProblemCase>
{
};

TEST_P(IrcProblem, IsReportedOnceAndTheLineIsNotLost)
{
    const ProblemCase &row = GetParam();
    const NgircdServer server(row.server);
    IrcSettings settings = plainSettings(server.plainPort());
    const QString expected = row.arrange(settings, server);
    IrcChatSender sender(settings, Quick);
    QSignalSpy problems(&sender, &IrcChatSender::problem);
    QSignalSpy undelivered(&sender, &IrcChatSender::undelivered);
    sender.send("Hi");

    ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, WaitLimitMs));
    EXPECT_EQ(texts(problems), QStringList {expected});
    EXPECT_EQ(texts(undelivered), row.lineWritten ? QStringList() : QStringList {u"Hi"_s});
}

INSTANTIATE_TEST_SUITE_P(
    Problems, IrcProblem,
    testing::Values(
        ProblemCase {"WrongServerPassword",
                     {false, "secret", {}},
                     [](IrcSettings &settings, const NgircdServer &) {
                         settings.serverPassword = u"wrong"_s;
                         return u"The IRC server 127.0.0.1 closed the connection: Access denied: "
                                "Bad password?"_s;
                     }},
        ProblemCase {"NothingListening",
                     {false, {}, {}},
                     [](IrcSettings &settings, const NgircdServer &) {
                         settings.port = FreePort();
                         return u"The IRC server 127.0.0.1 refused the connection on port %1."_s
                             .arg(*settings.port);
                     }},
        ProblemCase {"UntrustedCertificate",
                     {true, {}, {}},
                     [](IrcSettings &settings, const NgircdServer &server) {
                         settings.tls = true;
                         settings.port = server.tlsPort();
                         const QByteArray digest =
                             server.certificate().digest(QCryptographicHash::Sha256);
                         return u"The IRC server 127.0.0.1 showed a certificate that is not "
                                "trusted (The certificate is self-signed, and untrusted). Its "
                                "SHA-256 fingerprint is %1; trust it only if the server's "
                                "operators confirm that fingerprint."_s.arg(
                                    QString::fromLatin1(digest.toHex(':').toUpper()));
                     }},
        ProblemCase {"SaslNotOffered",
                     {false, {}, {}},
                     [](IrcSettings &settings, const NgircdServer &) {
                         settings.sasl = IrcSettings::SaslLogin {u"tintra"_s, u"secret"_s};
                         return u"The IRC server 127.0.0.1 does not offer the SASL login that "
                                "the settings ask for."_s;
                     }},
        ProblemCase {"InviteOnlyChannel",
                     {false, {}, "+i"},
                     [](IrcSettings &, const NgircdServer &) {
                         return u"#tintra on 127.0.0.1 lets in only those invited."_s;
                     }},
        ProblemCase {"BannedFromChannel",
                     {false, {}, "+b *!*@*"},
                     [](IrcSettings &, const NgircdServer &) {
                         return u"You are banned from #tintra on 127.0.0.1."_s;
                     }},
        ProblemCase {"ModeratedChannel",
                     {false, {}, "+m"},
                     [](IrcSettings &, const NgircdServer &) {
                         return u"#tintra on 127.0.0.1 did not take the message: Cannot send "
                                "to channel"_s;
                     },
                     true}),
    caseName<ProblemCase>);

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
