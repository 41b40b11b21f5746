#pragma once

#include <QByteArray>
#include <QProcess>
#include <QSslCertificate>
#include <QTemporaryDir>

// An IRC server for one test: Debian's ngircd on 127.0.0.1 and free ports, configured from a
// temporary folder of its own, with the channel #tintra and an operator "tester" (password
// "tester"); with TLS, on a second port, behind a self-signed certificate made for it. It runs
// until it goes.
class NgircdServer
{
public:
    struct Options
    {
        bool tls;
        // The server password; none when empty.
        QByteArray password;
        // The modes #tintra starts with, such as "+m".
        QByteArray channelModes;
    };

    explicit NgircdServer(const Options &options = {});
    ~NgircdServer();

    quint16 plainPort() const { return m_plainPort; }
    quint16 tlsPort() const { return m_tlsPort; }
    QSslCertificate certificate() const;

private:
    QString file(const char *name) const;

    QTemporaryDir m_folder;
    const quint16 m_plainPort;
    const quint16 m_tlsPort;
    QProcess m_process;
};

// A port on 127.0.0.1 that nothing listens on.
quint16 FreePort();
