#include "tests/chat/ChatWindowTest.h"
#include "tests/chat/irc/IrcObserver.h"
#include "tests/chat/irc/NgircdServer.h"
#include "tests/testing/GuiTests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// What the others in the channel see before each of the window's messages.
const QByteArray Head = ":tintra!~tintra@127.0.0.1 PRIVMSG #tintra :";

// The chat window with colour 2 as red as colour 1 in Repeater, which asks for no count in the
// chat window, so that each line is one run of IRC's red, 04.
class IrcChatWindow : public ChatWindowTest
{
protected:
    void open()
    {
        ChatWindowTest::open();
        QTest::keyClick(bar(4), Qt::Key_End);
        QTest::keyClick(bar(6), Qt::Key_Home);
        pick(u"Combo1"_s, 3);
    }

    // Fills in the settings dialog as the user does, for the test's server, and presses OK; the
    // login by server password, with the password typed, only when given.
    void setUp(quint16 port, bool tls, const std::optional<QString> &serverPassword,
               const QString &fingerprint = {})
    {
        dialogs.answerForm([=](QDialog &dialog) {
            // TLS is offered on its usual port; turned off, the port follows and a warning shows.
            auto *tlsBox = FindControl<QCheckBox>(dialog, u"tls"_s);
            auto *portBox = FindControl<QSpinBox>(dialog, u"port"_s);
            for (const bool on : {true, false, true}) {
                EXPECT_EQ(portBox->value(), on ? 6697 : 6667);
                EXPECT_EQ(FindControl<QLabel>(dialog, u"plainWarning"_s)->isVisible(), !on);
                QTest::mouseClick(tlsBox, Qt::LeftButton, {}, QPoint(8, 8));
            }
            if (tls)
                QTest::mouseClick(tlsBox, Qt::LeftButton, {}, QPoint(8, 8));
            portBox->selectAll();
            QTest::keyClicks(portBox, QString::number(port));
            if (serverPassword)
                QTest::keyClick(FindControl<QComboBox>(dialog, u"login"_s), Qt::Key_Down);
            for (const auto &[name, text] : {std::pair {u"server"_s, u"127.0.0.1"_s},
                                             {u"nickname"_s, u"tintra"_s},
                                             {u"channel"_s, u"tintra"_s},
                                             {u"password"_s, serverPassword.value_or(QString())},
                                             {u"fingerprint"_s, fingerprint}})
                QTest::keyClicks(FindControl<QLineEdit>(dialog, name), text);
            QTest::mouseClick(
                FindControl<QDialogButtonBox>(dialog, {})->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        QTest::mouseClick(FindControl<QPushButton>(*window, u"Command2"_s), Qt::LeftButton);
    }

    // Waits for the status line to end as given.
    QString statusEndingWith(const QString &end) const
    {
        auto *line = FindControl<QLineEdit>(*window, u"Text2"_s);
        EXPECT_TRUE(QTest::qWaitFor([&] { return line->text().endsWith(end); }, 10000))
            << line->text().toStdString();
        return line->text();
    }
};

// The certificate the user trusts by its fingerprint lets the connection through. The password goes
// to the secret store, the rest into the configuration (which never holds a password, as its own
// test shows), and the next window sends as the last one did, to the channel or, chosen again, to
// the chat client.
TEST_F(IrcChatWindow, SendsInIrcColoursOverTlsAndRemembersAllButThePassword)
{
    const NgircdServer server({true, "secret", {}});
    IrcObserver observer(server.plainPort(), "watcher", "secret");
    open();
    const QByteArray digest = server.certificate().digest(QCryptographicHash::Sha256);
    setUp(server.tlsPort(), true, u"secret"_s, QString::fromLatin1(digest.toHex(':')));
    pick(u"Combo3"_s, 1);
    send(u"Hi"_s);
    ASSERT_TRUE(observer.waitForMessages(1));

    EXPECT_EQ(secrets.kept.values(), QStringList {u"secret"_s});
    open();
    send(u"again"_s);
    ASSERT_TRUE(observer.waitForMessages(2));
    pick(u"Combo3"_s, 0);
    send(u"x"_s);
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({Head + "\00304Hi\r\n", Head + "\00304again\r\n"}));
    EXPECT_EQ(sent, std::vector<std::string> {"<FONT COLOR=#FF0000>x"});
    EXPECT_TRUE(dialogs.questions().empty());
    EXPECT_TRUE(FindControl<QLineEdit>(*window, u"Text2"_s)->text().isEmpty());
}

// The status line shows the problem and every line that did not go: nothing set up, a password
// question cancelled, a password the server refuses. Without a store that keeps it, the password
// is asked for when the first line goes, and then lasts while the window is open.
TEST_F(IrcChatWindow, ShowsWhatWentWrongAndAsksForThePasswordThatNoStoreKeeps)
{
    const NgircdServer server({false, "secret", {}});
    IrcObserver observer(server.plainPort(), "watcher", "secret");
    secrets.available = false;
    open();
    pick(u"Combo3"_s, 1);
    send(u"one"_s);
    EXPECT_TRUE(statusEndingWith(u"Not sent: “one”"_s).contains(u"IRC Settings…"_s));
    setUp(server.plainPort(), false, QString());
    send(u"two"_s);
    EXPECT_TRUE(statusEndingWith(u"“one”, “two”"_s).contains(u"no password"_s));
    dialogs.answerInput(u"wrong"_s);
    send(u"three"_s);
    EXPECT_TRUE(statusEndingWith(u"“two”, “three”"_s).contains(u"Bad password"_s));

    open();
    dialogs.answerInput(u"secret"_s);
    send(u"four"_s);
    send(u"five"_s);
    ASSERT_TRUE(observer.waitForMessages(2));
    EXPECT_EQ(dialogs.questions().size(), 3U);
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({Head + "\00304four\r\n", Head + "\00304five\r\n"}));
}

} // namespace
