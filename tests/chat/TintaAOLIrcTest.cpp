#include "chat/ChatWindowSettings.h"
#include "chat/SecretStore.h"
#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "tests/chat/RecordingSender.h"
#include "tests/chat/irc/IrcObserver.h"
#include "tests/chat/irc/NgircdServer.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/TestFiles.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int WaitLimitMs = 10000;
// What the others in the channel see before each of the window's messages.
const QByteArray Head = ":tintra!~tintra@127.0.0.1 PRIVMSG #tintra :";

class FakeSecretStore : public SecretStore
{
public:
    void read(const QString &key, std::function<void(std::optional<QString>)> done) override
    {
        done(available && kept.contains(key) ? std::optional(kept.value(key)) : std::nullopt);
    }
    void write(const QString &key, const QString &secret, std::function<void(bool)> done) override
    {
        if (available)
            kept.insert(key, secret);
        done(available);
    }

    bool available = true;
    QHash<QString, QString> kept;
};

// What the user types into the IRC settings; the port and the fingerprint only when given.
struct Entries
{
    bool turnTlsOff = false;
    quint16 port = 0;
    bool serverPassword = false;
    QString password;
    QString fingerprint;
};

// The chat window in a fresh configuration folder, with colour 2 as red as colour 1 in Normal
// Fade, so that each line is one run of IRC's red, 04.
class IrcChatWindow : public testing::Test
{
protected:
    IrcChatWindow() { QFile::remove(ChatWindowSettingsFile()); }
    ~IrcChatWindow() override
    {
        delete window;
        QFile::remove(ChatWindowSettingsFile());
    }

    void open()
    {
        delete window;
        window = new TintaAOL(services, {}, std::make_unique<RecordingSender>(wineLines), secrets,
                              &mainWindow);
        QApplication::setActiveWindow(window);
        QTest::keyClick(FindControl<QScrollBar>(*window, u"HScroll4"_s), Qt::Key_End);
        QTest::keyClick(FindControl<QScrollBar>(*window, u"HScroll6"_s), Qt::Key_Home);
        QTest::keyClick(FindControl<QComboBox>(*window, u"Combo1"_s), Qt::Key_Home);
    }

    void chooseIrc() const
    {
        QTest::keyClick(FindControl<QComboBox>(*window, u"Combo3"_s), Qt::Key_End);
    }

    // Fills in the settings dialog as the user does, for the test's server, and presses OK.
    void setUp(const Entries &entries)
    {
        dialogs.answerForm([entries](QDialog &dialog) {
            const auto type = [&](const QString &name, const QString &text) {
                QTest::keyClicks(FindControl<QLineEdit>(dialog, name), text);
            };
            type(u"server"_s, u"127.0.0.1"_s);
            type(u"nickname"_s, u"tintra"_s);
            type(u"channel"_s, u"tintra"_s);
            if (entries.turnTlsOff)
                QTest::mouseClick(FindControl<QCheckBox>(dialog, u"tls"_s), Qt::LeftButton, {},
                                  QPoint(8, 8));
            auto *port = FindControl<QSpinBox>(dialog, u"port"_s);
            port->selectAll();
            QTest::keyClicks(port, QString::number(entries.port));
            if (entries.serverPassword)
                QTest::keyClick(FindControl<QComboBox>(dialog, u"login"_s), Qt::Key_Down);
            type(u"password"_s, entries.password);
            type(u"fingerprint"_s, entries.fingerprint);
            QTest::mouseClick(
                FindControl<QDialogButtonBox>(dialog, {})->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        QTest::mouseClick(FindControl<QPushButton>(*window, u"Command2"_s), Qt::LeftButton);
    }

    void send(const QString &message) const
    {
        FindControl<QPlainTextEdit>(*window, u"Text7"_s)->setPlainText(message);
        QTest::mouseClick(FindControl<QPushButton>(*window, u"Command1"_s), Qt::LeftButton);
    }

    // Waits for the status line to say something.
    QString status() const
    {
        auto *line = FindControl<QLineEdit>(*window, u"Text2"_s);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !line->text().isEmpty(); }, WaitLimitMs));
        return line->text();
    }

    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    FakeSecretStore secrets;
    std::vector<std::string> wineLines;
    QWidget mainWindow;
    TintaAOL *window = nullptr;
};

// The room for text is 512 - 2 - Head.size() = 467 bytes: the colour code and 232 Cyrillic
// letters of two bytes each fill the first message of the long line; the second opens with the
// colour again, as every message starts without one.
TEST_F(IrcChatWindow, SendsItsLinesInIrcColoursToTheChannel)
{
    const NgircdServer server;
    IrcObserver observer(server.plainPort(), "watcher");
    open();
    chooseIrc();
    setUp({true, server.plainPort(), false, {}, {}});
    send(u"Hi"_s);
    send(QString(300, u'ж'));
    send(u"Привет 😀"_s);

    ASSERT_TRUE(observer.waitForMessages(4));
    const QByteArray zhe = u"ж"_s.toUtf8();
    EXPECT_EQ(
        observer.messages(),
        QList<QByteArray>({Head + "\00304Hi\r\n", Head + "\00304" + zhe.repeated(232) + "\r\n",
                           Head + "\00304" + zhe.repeated(68) + "\r\n",
                           Head + "\00304" + u"Привет 😀"_s.toUtf8() + "\r\n"}));
    for (const QByteArray &message : observer.messages())
        EXPECT_LE(message.size(), 512);
    EXPECT_TRUE(wineLines.empty());
    EXPECT_TRUE(FindControl<QLineEdit>(*window, u"Text2"_s)->text().isEmpty());
}

// The dialog offers TLS on the usual port, warns when it is turned off, and the certificate the
// user trusts by its fingerprint lets the connection through. The password goes to the secret
// store, the rest into the configuration, and the next window sends as the last one did.
TEST_F(IrcChatWindow, SendsOverTlsAndRemembersAllButThePasswordForTheNextWindow)
{
    const NgircdServer server({true, "secret", {}});
    IrcObserver observer(server.plainPort(), "watcher", "secret");
    open();
    dialogs.answerForm([](QDialog &dialog) {
        auto *tls = FindControl<QCheckBox>(dialog, u"tls"_s);
        auto *warning = FindControl<QLabel>(dialog, u"plainWarning"_s);
        auto *port = FindControl<QSpinBox>(dialog, u"port"_s);
        EXPECT_TRUE(tls->isChecked());
        EXPECT_EQ(port->value(), 6697);
        EXPECT_FALSE(warning->isVisible());
        QTest::mouseClick(tls, Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(port->value(), 6667);
        EXPECT_TRUE(warning->isVisible());
        QTest::mouseClick(tls, Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(port->value(), 6697);
        EXPECT_FALSE(warning->isVisible());
        return false;
    });
    QTest::mouseClick(FindControl<QPushButton>(*window, u"Command2"_s), Qt::LeftButton);
    const QByteArray digest = server.certificate().digest(QCryptographicHash::Sha256);
    setUp({false, server.tlsPort(), true, u"secret"_s, QString::fromLatin1(digest.toHex(':'))});
    chooseIrc();
    send(u"Hi"_s);
    ASSERT_TRUE(observer.waitForMessages(1));

    EXPECT_EQ(secrets.kept.values(), QStringList {u"secret"_s});
    EXPECT_FALSE(ReadBytes(ChatWindowSettingsFile()).contains("secret"));
    open();
    EXPECT_EQ(FindControl<QComboBox>(*window, u"Combo3"_s)->currentText(), u"IRC channel"_s);
    send(u"again"_s);
    ASSERT_TRUE(observer.waitForMessages(2));
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({Head + "\00304Hi\r\n", Head + "\00304again\r\n"}));
    EXPECT_TRUE(dialogs.questions().empty());
}

// Without a store that keeps it, the password is asked for when the first line goes, and a
// cancelled question leaves the line in the status line, unsent; asked again, the password is
// given and lasts while the window is open.
TEST_F(IrcChatWindow, AsksForThePasswordThatNoStoreKeeps)
{
    const NgircdServer server({false, "secret", {}});
    IrcObserver observer(server.plainPort(), "watcher", "secret");
    secrets.available = false;
    open();
    setUp({true, server.plainPort(), true, {}, {}});
    chooseIrc();
    send(u"Hi"_s);
    EXPECT_TRUE(status().endsWith(u"Not sent: “Hi”"_s)) << status().toStdString();
    dialogs.answerInput(u"secret"_s);
    send(u"again"_s);
    send(u"more"_s);

    ASSERT_TRUE(observer.waitForMessages(2));
    EXPECT_EQ(dialogs.questions().size(), 2U);
    EXPECT_EQ(observer.messages(),
              QList<QByteArray>({Head + "\00304again\r\n", Head + "\00304more\r\n"}));
}

// The window's own problems and the connection's end in the status line, with the line that
// did not go: no server set, a password the server refuses.
TEST_F(IrcChatWindow, ShowsTheProblemAndTheLineNotSentInTheStatusLine)
{
    const NgircdServer server({false, "secret", {}});
    const struct
    {
        const char *name;
        std::optional<Entries> entries;
        const char16_t *problem;
    } rows[] = {
        {"nothing set up", std::nullopt, u"IRC Settings…"},
        {"wrong password", Entries {true, server.plainPort(), true, u"wrong"_s, {}},
         u"Bad password"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(ChatWindowSettingsFile());
        open();
        if (row.entries)
            setUp(*row.entries);
        chooseIrc();
        send(u"Hi"_s);
        const QString shown = status();
        EXPECT_TRUE(shown.contains(QString::fromUtf16(row.problem))) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(u"Not sent: “Hi”"_s)) << shown.toStdString();
    }
}

} // namespace
