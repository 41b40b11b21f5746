#include "chat/ChatWindowSettings.h"

#include "tests/testing/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a file read gives, in a line: destination, TLS, port, login, account, fingerprint bytes;
// - for none.
std::string summary(const ChatWindowSettings &settings)
{
    const IrcSettings &irc = settings.irc;
    return (u"%1 %2 %3 %4 %5 %6"_s)
        .arg(int(settings.destination))
        .arg(irc.tls)
        .arg(irc.port ? QString::number(*irc.port) : u"-"_s)
        .arg(int(settings.login))
        .arg(irc.sasl ? irc.sasl->account : u"-"_s)
        .arg(irc.trustedCertificateSha256.size())
        .toStdString();
}

// Damaged or foreign files and values out of their range read as the defaults, value by value.
TEST(ChatWindowSettings, ReadsWhatIsSoundAndTakesTheDefaultForTheRest)
{
    const QByteArray fingerprint = QByteArray(32, '\xAB').toHex(':');
    const struct
    {
        const char *name;
        QByteArray file;
        std::string read;
    } rows[] = {
        {"no file", {}, "0 1 - 0 - 0"},
        {"binary junk", QByteArray("\x00\xFF\xFE[[\n=\x01", 8), "0 1 - 0 - 0"},
        {"sound",
         "destination=irc-channel\n[irc]\ntls=off\nport=1\nlogin=sasl\naccount=me\n"
         "trusted-certificate-sha256=" +
             fingerprint + '\n',
         "1 0 1 2 me 32"},
        {"highest port", "[irc]\nport=65535\n", "0 1 65535 0 - 0"},
        {"unknown names, a port out of range, a short fingerprint",
         "destination=elsewhere\n[irc]\ntls=maybe\nport=65536\nlogin=kerberos\n"
         "trusted-certificate-sha256=abcd\n",
         "0 1 - 0 - 0"},
        {"port 0, a value of another kind", "[irc]\nport=0\ntls=@Variant(\\0\\0\\0\\x1\\x1)\n",
         "0 1 - 0 - 0"},
    };
    for (const auto &row : rows) {
        const QTemporaryDir folder;
        const QString file = folder.filePath(u"chat-window.ini"_s);
        if (!row.file.isNull())
            WriteBytes(file, row.file);
        EXPECT_EQ(summary(LoadChatWindowSettings(file)), row.read) << row.name;
    }
}

TEST(ChatWindowSettings, KeepsEverythingButThePasswords)
{
    ChatWindowSettings settings;
    settings.destination = ChatDestination::IrcChannel;
    settings.login = IrcLogin::Sasl;
    settings.irc.host = u"irc.example.org"_s;
    settings.irc.port = 6697;
    settings.irc.nickname = u"ник"_s;
    settings.irc.serverPassword = u"server-secret"_s;
    settings.irc.sasl = IrcSettings::SaslLogin {u"account"_s, u"sasl-secret"_s};
    const QTemporaryDir folder;
    const QString file = folder.filePath(u"chat-window.ini"_s);
    SaveChatWindowSettings(settings, file);

    const QByteArray written = ReadBytes(file);
    EXPECT_FALSE(written.contains("secret")) << written.toStdString();
    const ChatWindowSettings read = LoadChatWindowSettings(file);
    EXPECT_EQ(summary(read), "1 1 6697 2 account 0");
    EXPECT_EQ(read.irc.nickname, u"ник"_s);
    EXPECT_EQ(read.passwordKey(), u"sasl account@irc.example.org:6697"_s);
}

} // namespace
