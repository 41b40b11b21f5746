#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QString>

#include <optional>

// Where the chat window's lines go on IRC and how to get there: the server, the nickname and the
// channel, and what the server asks before it lets us in.
struct IrcSettings
{
    static constexpr quint16 TlsPort = 6697;
    static constexpr quint16 PlainPort = 6667;

    struct SaslLogin
    {
        QString account;
        QString password;
    };

    QString host;
    // Off only when asked for: a plain connection shows the lines and passwords to the network.
    bool tls = true;
    // When unset, the usual port for the choice of TLS.
    std::optional<quint16> port;
    QString nickname;
    QString channel;
    // Empty when the server has none.
    QString serverPassword;
    std::optional<SaslLogin> sasl;
    // Trusted besides the system's certificate authorities: an authority of one's own, or a
    // server's self-signed certificate.
    QList<QSslCertificate> extraCaCertificates;
    // The SHA-256 digest of one server certificate that the user chose to trust as it is, whoever
    // signed it and whatever name it bears.
    QByteArray trustedCertificateSha256;

    quint16 effectivePort() const { return port.value_or(tls ? TlsPort : PlainPort); }
};
