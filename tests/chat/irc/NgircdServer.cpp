#include "tests/chat/irc/NgircdServer.h"

#include "tests/testing/TestFiles.h"

#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Runs openssl, keeping what it prints unless it fails.
void runOpenssl(const QStringList &arguments)
{
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(u"openssl"_s, arguments);
    EXPECT_TRUE(openssl.waitForFinished() && openssl.exitStatus() == QProcess::NormalExit &&
                openssl.exitCode() == 0)
        << openssl.readAll().toStdString();
}

} // namespace

// No lookups that would slow a login, nicknames long enough for "_" to be added, and no penalty
// for the tests' quick succession of messages. ngircd does not serve as root: started by root,
// as in CI, it reads its files first and then goes on as nobody.
NgircdServer::NgircdServer(const Options &options)
    : m_plainPort(FreePort())
    , m_tlsPort(options.tls ? FreePort() : 0)
{
    QByteArray configuration = "[Global]\nName = irc.tintra.test\nInfo = Tintra test server\n"
                               "Listen = 127.0.0.1\nMotdPhrase = Tintra test server\nPorts = " +
        QByteArray::number(m_plainPort) + '\n';
    if (!options.password.isEmpty())
        configuration += "Password = " + options.password + '\n';
    if (::geteuid() == 0)
        configuration += "ServerUID = nobody\nServerGID = nogroup\n";
    configuration += "[Limits]\nMaxNickLength = 30\nMaxPenaltyTime = 0\n"
                     "[Options]\nDNS = no\nIdent = no\nPAM = no\n"
                     "[Operator]\nName = tester\nPassword = tester\n"
                     "[Channel]\nName = #tintra\n";
    if (!options.channelModes.isEmpty())
        configuration += "Modes = " + options.channelModes + '\n';
    if (options.tls) {
        // An elliptic-curve key and the standard Diffie-Hellman group are made at once, where
        // ngircd would otherwise spend a second on parameters of its own.
        runOpenssl({u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s,
                    u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s, u"-days"_s, u"2"_s, u"-subj"_s,
                    u"/CN=127.0.0.1"_s, u"-addext"_s, u"subjectAltName=IP:127.0.0.1"_s,
                    u"-keyout"_s, file("key.pem"), u"-out"_s, file("cert.pem")});
        runOpenssl({u"genpkey"_s, u"-genparam"_s, u"-algorithm"_s, u"DH"_s, u"-pkeyopt"_s,
                    u"group:ffdhe2048"_s, u"-out"_s, file("dh.pem")});
        configuration += "[SSL]\nCertFile = " + file("cert.pem").toUtf8() +
            "\nKeyFile = " + file("key.pem").toUtf8() + "\nDHFile = " + file("dh.pem").toUtf8() +
            "\nPorts = " + QByteArray::number(m_tlsPort) + '\n';
    }
    WriteBytes(file("ngircd.conf"), configuration);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(u"/usr/sbin/ngircd"_s, {u"--nodaemon"_s, u"--config"_s, file("ngircd.conf")});
    QByteArray log;
    const bool readyOrEnded = QTest::qWaitFor(
        [&] {
            log += m_process.readAll();
            return log.contains(" ready.") || m_process.state() == QProcess::NotRunning;
        },
        10000);
    EXPECT_TRUE(readyOrEnded && log.contains(" ready.")) << log.toStdString();
}

NgircdServer::~NgircdServer()
{
    m_process.terminate();
    m_process.waitForFinished();
}

QSslCertificate NgircdServer::certificate() const
{
    return QSslCertificate(ReadBytes(file("cert.pem")));
}

QString NgircdServer::file(const char *name) const
{
    return m_folder.filePath(QString::fromLatin1(name));
}

quint16 FreePort()
{
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    return probe.serverPort();
}
