#pragma once

#include "chat/irc/IrcSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QSslSocket>
#include <QString>

#include <optional>

struct IrcMessage;

// One connection at a time to an IRC server, to a channel there: it connects (over TLS unless
// that is turned off), registers (server password, SASL PLAIN login, nickname, user), takes the
// nickname with "_" added while the one asked for is in use, answers the server's pings, joins
// the channel and then carries messages to it. Each problem is told once; one after which
// nothing can reach the channel also ends the connection.
class IrcConnection : public QObject
{
    Q_OBJECT

public:
    explicit IrcConnection(IrcSettings settings);
    // Says goodbye to the server, after what was written has gone out.
    ~IrcConnection() override;

    void open();
    // From open() until the connection ends.
    bool isOpen() const { return m_stage != Stage::Closed; }
    bool isJoined() const { return m_stage == Stage::Joined; }

    // How many bytes of text one message to the channel can carry, so that the line the server
    // passes on to the others, with our ":nick!user@host " in front, stays within IRC's limit.
    qsizetype messageRoom() const;
    void sendToChannel(QByteArrayView text);

signals:
    // We are in the channel: messages can go to it.
    void joined();
    void problem(const QString &message);
    // The connection has ended, after a problem.
    void closed();

private:
    enum class Stage { Closed, Connecting, Registering, Joined };

    QSslConfiguration tlsConfiguration() const;
    void checkCertificate(const QList<QSslError> &errors);
    void socketFailed(QAbstractSocket::SocketError error);
    void startRegistration();
    void readLines();
    void handleCommand(const IrcMessage &message);
    void handleReply(int reply, const IrcMessage &message);
    void welcomed(const IrcMessage &message);
    void takeNextNickname();
    void noteJoin(const IrcMessage &message);
    void noteNicknameChange(const IrcMessage &message);
    void noteDisplayedHost(const IrcMessage &message);
    void negotiateCapabilities(const IrcMessage &message);
    void authenticate(const IrcMessage &message);
    void tellLineRefused(const IrcMessage &message);
    std::optional<QString> refusal(int reply, const IrcMessage &message) const;
    QString noSaslLogin() const;
    QString closedByServer() const;
    QByteArray messageHead() const;
    void writeLine(QByteArray line);
    void end(const QString &problem);

    const IrcSettings m_settings;
    const QByteArray m_channel;
    QSslSocket m_socket;
    Stage m_stage = Stage::Closed;
    // As the server knows us: the nickname, and "nick!user@host" once our join shows it.
    QByteArray m_nickname;
    QByteArray m_ownPrefix;
    QByteArray m_offeredCapabilities;
    QByteArray m_serverFarewell;
    QString m_certificateProblem;
    bool m_lineRefusalTold = false;
};
