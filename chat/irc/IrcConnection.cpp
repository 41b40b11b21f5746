#include "chat/irc/IrcConnection.h"

#include "chat/irc/IrcMessage.h"

#include <QCryptographicHash>
#include <QSslConfiguration>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <utility>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// An IRC line holds at most 512 bytes, its CR LF included.
constexpr qsizetype LineLimit = 512;
constexpr qsizetype LineEnd = 2;
// Room for ":nick!user@host " before our join has shown ours: more than most servers use.
constexpr qsizetype AssumedPrefixLength = 100;
// SASL sends its answer in pieces of at most this many base64 bytes.
constexpr qsizetype AuthenticateChunk = 400;
constexpr auto QuitTimeLimit = 1000ms;
constexpr QByteArrayView UserName = "tintra";
constexpr QByteArrayView RealName = "Tintra";

// The numeric replies we act on, by their names in the protocol.
enum Reply {
    RplWelcome = 1,
    RplHostHidden = 396,
    ErrNoSuchChannel = 403,
    ErrCannotSendToChan = 404,
    ErrTooManyChannels = 405,
    ErrUnknownCommand = 421,
    ErrErroneusNickname = 432,
    ErrNicknameInUse = 433,
    ErrUnavailResource = 437,
    ErrPasswdMismatch = 464,
    ErrYoureBannedCreep = 465,
    ErrChannelIsFull = 471,
    ErrInviteOnlyChan = 473,
    ErrBannedFromChan = 474,
    ErrBadChannelKey = 475,
    ErrBadChanMask = 476,
    ErrNeedReggedNick = 477,
    ErrNickLocked = 902,
    RplSaslSuccess = 903,
    ErrSaslFail = 904,
    ErrSaslTooLong = 905,
    ErrSaslAborted = 906,
};

bool isLineBreakOrNul(char byte)
{
    return byte == '\r' || byte == '\n' || byte == '\0';
}

bool sameName(QByteArrayView one, QByteArrayView other)
{
    return one.compare(other, Qt::CaseInsensitive) == 0;
}

// A server that offers SASL lists "sasl", perhaps with its mechanisms after "=".
bool offersSasl(const QByteArray &capabilities)
{
    const QList<QByteArray> offered = capabilities.split(' ');
    return std::any_of(offered.begin(), offered.end(), [](const QByteArray &capability) {
        return capability == "sasl" || capability.startsWith("sasl=");
    });
}

QString fingerprint(const QSslCertificate &certificate)
{
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

} // namespace

IrcConnection::IrcConnection(IrcSettings settings)
    : m_settings(std::move(settings))
    , m_channel(m_settings.channel.toUtf8())
{
    connect(&m_socket, &QSslSocket::connected, this, [this] {
        if (!m_settings.tls)
            startRegistration();
    });
    connect(&m_socket, &QSslSocket::encrypted, this, &IrcConnection::startRegistration);
    connect(&m_socket, &QSslSocket::sslErrors, this, &IrcConnection::checkCertificate);
    connect(&m_socket, &QSslSocket::errorOccurred, this, &IrcConnection::socketFailed);
    connect(&m_socket, &QSslSocket::readyRead, this, &IrcConnection::readLines);
}

IrcConnection::~IrcConnection()
{
    m_socket.disconnect(this);
    if (m_stage != Stage::Registering && m_stage != Stage::Joined)
        return;
    writeLine("QUIT");
    m_socket.disconnectFromHost();
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.waitForDisconnected(int(QuitTimeLimit.count()));
}

void IrcConnection::open()
{
    m_stage = Stage::Connecting;
    m_nickname = m_settings.nickname.toUtf8();
    m_ownPrefix.clear();
    m_offeredCapabilities.clear();
    m_serverFarewell.clear();
    m_certificateProblem.clear();
    m_lineRefusalTold = false;
    if (m_settings.tls) {
        m_socket.setSslConfiguration(tlsConfiguration());
        m_socket.connectToHostEncrypted(m_settings.host, m_settings.effectivePort());
    } else {
        m_socket.connectToHost(m_settings.host, m_settings.effectivePort());
    }
}

qsizetype IrcConnection::messageRoom() const
{
    const qsizetype prefix =
        m_ownPrefix.isEmpty() ? AssumedPrefixLength : 1 + m_ownPrefix.size() + 1;
    return LineLimit - LineEnd - prefix - messageHead().size();
}

void IrcConnection::sendToChannel(QByteArrayView text)
{
    writeLine(messageHead().append(text));
}

// The system's certificate authorities vouch for the server, and those the settings add.
QSslConfiguration IrcConnection::tlsConfiguration() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    if (!m_settings.extraCaCertificates.isEmpty()) {
        configuration.setCaCertificates(QSslConfiguration::systemCaCertificates() +
                                        m_settings.extraCaCertificates);
    }
    return configuration;
}

// A certificate that nobody we trust vouches for is refused, unless the user chose to trust
// exactly this one; the refusal names its fingerprint, for the user to compare with the one the
// server's operators publish.
void IrcConnection::checkCertificate(const QList<QSslError> &errors)
{
    const QSslCertificate certificate = m_socket.peerCertificate();
    if (!m_settings.trustedCertificateSha256.isEmpty() &&
        certificate.digest(QCryptographicHash::Sha256) == m_settings.trustedCertificateSha256) {
        m_socket.ignoreSslErrors();
        return;
    }
    QStringList reasons;
    for (const QSslError &error : errors)
        reasons << error.errorString();
    m_certificateProblem =
        tr("The IRC server %1 showed a certificate that is not trusted (%2). Its SHA-256 "
           "fingerprint is %3; trust it only if the server's operators confirm that fingerprint.")
            .arg(m_settings.host, reasons.join(u"; "_s), fingerprint(certificate));
}

void IrcConnection::socketFailed(QAbstractSocket::SocketError error)
{
    // What the server said before it closed may explain why.
    readLines();
    const QString host = m_settings.host;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        end(tr("The IRC server %1 refused the connection on port %2.")
                .arg(host)
                .arg(m_settings.effectivePort()));
        break;
    case QAbstractSocket::HostNotFoundError:
        end(tr("The IRC server %1 was not found.").arg(host));
        break;
    case QAbstractSocket::RemoteHostClosedError:
        end(closedByServer());
        break;
    case QAbstractSocket::SslHandshakeFailedError:
        end(m_certificateProblem.isEmpty()
                ? tr("The TLS connection to the IRC server %1 failed: %2")
                      .arg(host, m_socket.errorString())
                : m_certificateProblem);
        break;
    default:
        end(tr("The connection to the IRC server %1 failed: %2").arg(host, m_socket.errorString()));
    }
}

void IrcConnection::startRegistration()
{
    m_stage = Stage::Registering;
    // A server that knows SASL holds the registration back until the login is done.
    if (m_settings.sasl)
        writeLine("CAP LS 302");
    if (!m_settings.serverPassword.isEmpty())
        writeLine("PASS :" + m_settings.serverPassword.toUtf8());
    writeLine("NICK " + m_nickname);
    writeLine("USER " + UserName.toByteArray() + " 0 * :" + RealName.toByteArray());
}

void IrcConnection::readLines()
{
    while (isOpen() && m_socket.canReadLine()) {
        QByteArray line = m_socket.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        const IrcMessage message = IrcMessage::parse(line);
        bool isReply = false;
        const int reply = message.command.toInt(&isReply);
        if (isReply)
            handleReply(reply, message);
        else
            handleCommand(message);
    }
}

void IrcConnection::handleCommand(const IrcMessage &message)
{
    const QByteArray &command = message.command;
    if (command == "PING")
        writeLine("PONG :" + message.param(0));
    else if (command == "JOIN")
        noteJoin(message);
    else if (command == "NICK")
        noteNicknameChange(message);
    else if (command == "CAP")
        negotiateCapabilities(message);
    else if (command == "AUTHENTICATE")
        authenticate(message);
    else if (command == "ERROR")
        m_serverFarewell = message.param(0);
}

void IrcConnection::handleReply(int reply, const IrcMessage &message)
{
    switch (reply) {
    case RplWelcome:
        welcomed(message);
        break;
    case ErrNicknameInUse:
    case ErrUnavailResource:
        takeNextNickname();
        break;
    case RplHostHidden:
        noteDisplayedHost(message);
        break;
    case RplSaslSuccess:
        writeLine("CAP END");
        break;
    case ErrCannotSendToChan:
        tellLineRefused(message);
        break;
    case ErrUnknownCommand:
        if (message.param(1) == "CAP")
            end(noSaslLogin());
        break;
    default:
        if (const std::optional<QString> problem = refusal(reply, message))
            end(*problem);
    }
}

void IrcConnection::welcomed(const IrcMessage &message)
{
    m_nickname = message.param(0);
    writeLine("JOIN " + m_channel);
}

void IrcConnection::takeNextNickname()
{
    if (m_stage != Stage::Registering)
        return;
    m_nickname += '_';
    writeLine("NICK " + m_nickname);
}

// The server shows our own join with the prefix it puts before everything we send.
void IrcConnection::noteJoin(const IrcMessage &message)
{
    if (m_stage != Stage::Registering || !sameName(message.prefixNickname(), m_nickname) ||
        !sameName(message.param(0), m_channel)) {
        return;
    }
    if (message.prefix.contains('!') && message.prefix.contains('@'))
        m_ownPrefix = message.prefix;
    m_stage = Stage::Joined;
    emit joined();
}

void IrcConnection::noteNicknameChange(const IrcMessage &message)
{
    if (!sameName(message.prefixNickname(), m_nickname))
        return;
    m_nickname = message.param(0);
    if (!m_ownPrefix.isEmpty())
        m_ownPrefix = m_nickname + m_ownPrefix.sliced(m_ownPrefix.indexOf('!'));
}

void IrcConnection::noteDisplayedHost(const IrcMessage &message)
{
    const qsizetype at = m_ownPrefix.indexOf('@');
    if (at >= 0)
        m_ownPrefix = m_ownPrefix.first(at + 1) + message.param(1);
}

// "CAP * LS * :..." comes before more of the list, "CAP * LS :..." with its end.
void IrcConnection::negotiateCapabilities(const IrcMessage &message)
{
    const QByteArray subcommand = message.param(1);
    if (subcommand == "LS") {
        const bool more = message.params.size() > 3 && message.param(2) == "*";
        m_offeredCapabilities += ' ' + message.params.constLast();
        if (more)
            return;
        if (offersSasl(m_offeredCapabilities))
            writeLine("CAP REQ :sasl");
        else
            end(noSaslLogin());
    } else if (subcommand == "ACK") {
        writeLine("AUTHENTICATE PLAIN");
    } else if (subcommand == "NAK") {
        end(noSaslLogin());
    }
}

// PLAIN's answer: the account twice (to log in as, and whose password follows) and the password,
// in base64 pieces, with an empty piece after one that fills its room.
void IrcConnection::authenticate(const IrcMessage &message)
{
    if (message.param(0) != "+" || !m_settings.sasl)
        return;
    const QByteArray account = m_settings.sasl->account.toUtf8();
    const QByteArray answer =
        (account + '\0' + account + '\0' + m_settings.sasl->password.toUtf8()).toBase64();
    for (qsizetype at = 0; at < answer.size(); at += AuthenticateChunk)
        writeLine("AUTHENTICATE " + answer.mid(at, AuthenticateChunk));
    if (answer.size() % AuthenticateChunk == 0)
        writeLine("AUTHENTICATE +");
}

// The channel turns away what we send (moderated, or refusing colours): told once, as every
// later message meets the same. The messages count as sent, as the server had them.
void IrcConnection::tellLineRefused(const IrcMessage &message)
{
    if (std::exchange(m_lineRefusalTold, true))
        return;
    emit problem(tr("%1 on %2 did not take the message: %3")
                     .arg(QString::fromUtf8(m_channel), m_settings.host,
                          QString::fromUtf8(message.params.value(message.params.size() - 1))));
}

// What a refusing reply means for us, when it leaves nothing to send to.
std::optional<QString> IrcConnection::refusal(int reply, const IrcMessage &message) const
{
    const QString &host = m_settings.host;
    const QString channel = QString::fromUtf8(m_channel);
    const QString reason = QString::fromUtf8(message.params.value(message.params.size() - 1));
    switch (reply) {
    case ErrErroneusNickname:
        return tr("The IRC server %1 does not accept the nickname %2: %3")
            .arg(host, QString::fromUtf8(m_nickname), reason);
    case ErrPasswdMismatch:
        return tr("The IRC server %1 refused the server password.").arg(host);
    case ErrYoureBannedCreep:
        return tr("The IRC server %1 has banned this connection: %2").arg(host, reason);
    case ErrBannedFromChan:
        return tr("You are banned from %1 on %2.").arg(channel, host);
    case ErrChannelIsFull:
        return tr("%1 on %2 is full.").arg(channel, host);
    case ErrInviteOnlyChan:
        return tr("%1 on %2 lets in only those invited.").arg(channel, host);
    case ErrBadChannelKey:
        return tr("%1 on %2 asks for a channel key.").arg(channel, host);
    case ErrNoSuchChannel:
    case ErrTooManyChannels:
    case ErrBadChanMask:
    case ErrNeedReggedNick:
        return tr("Could not join %1 on %2: %3").arg(channel, host, reason);
    case ErrNickLocked:
    case ErrSaslFail:
    case ErrSaslTooLong:
    case ErrSaslAborted:
        return tr("The IRC server %1 refused the SASL login of %2: %3")
            .arg(host, m_settings.sasl ? m_settings.sasl->account : QString(), reason);
    default:
        return std::nullopt;
    }
}

QString IrcConnection::noSaslLogin() const
{
    return tr("The IRC server %1 does not offer the SASL login that the settings ask for.")
        .arg(m_settings.host);
}

QString IrcConnection::closedByServer() const
{
    if (m_serverFarewell.isEmpty())
        return tr("The IRC server %1 closed the connection.").arg(m_settings.host);
    return tr("The IRC server %1 closed the connection: %2")
        .arg(m_settings.host, QString::fromUtf8(m_serverFarewell));
}

QByteArray IrcConnection::messageHead() const
{
    return "PRIVMSG " + m_channel + " :";
}

// No value from the settings or the chat line may end the line early and so smuggle in a
// command of its own.
void IrcConnection::writeLine(QByteArray line)
{
    line.removeIf(isLineBreakOrNul);
    m_socket.write(line + "\r\n");
}

void IrcConnection::end(const QString &problem)
{
    if (!isOpen())
        return;
    m_stage = Stage::Closed;
    m_socket.abort();
    emit this->problem(problem);
    emit closed();
}
