#include "chat/ChatWindowSettings.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<std::pair<ChatDestination, QStringView>, 2> Destinations {{
    {ChatDestination::WineClient, u"wine-client"},
    {ChatDestination::IrcChannel, u"irc-channel"},
}};

constexpr std::array<std::pair<IrcLogin, QStringView>, 3> Logins {{
    {IrcLogin::None, u"none"},
    {IrcLogin::ServerPassword, u"server-password"},
    {IrcLogin::Sasl, u"sasl"},
}};

template<typename Value, size_t Size>
Value fromName(const std::array<std::pair<Value, QStringView>, Size> &names, const QString &name,
               Value fallback)
{
    for (const auto &[value, valueName] : names) {
        if (valueName == name)
            return value;
    }
    return fallback;
}

template<typename Value, size_t Size>
QString nameOf(const std::array<std::pair<Value, QStringView>, Size> &names, Value value)
{
    for (const auto &[named, name] : names) {
        if (named == value)
            return name.toString();
    }
    return {};
}

// Only a text is taken: QSettings reads a damaged line as whatever kind it resembles.
QString text(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

std::optional<quint16> port(const QSettings &settings)
{
    bool number = false;
    const uint port = text(settings, u"irc/port"_s).toUInt(&number);
    if (!number || port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

} // namespace

bool ChatWindowSettings::ircComplete() const
{
    return !irc.host.isEmpty() && !irc.nickname.isEmpty() && !irc.channel.isEmpty() &&
        (login != IrcLogin::Sasl || (irc.sasl && !irc.sasl->account.isEmpty()));
}

QString ChatWindowSettings::passwordKey() const
{
    const QString user = login == IrcLogin::Sasl && irc.sasl ? irc.sasl->account : irc.nickname;
    return u"%1 %2@%3:%4"_s.arg(nameOf(Logins, login), user, irc.host).arg(irc.effectivePort());
}

QByteArray Sha256FromHex(const QString &fingerprint)
{
    static const QRegularExpression sha256(
        QRegularExpression::anchoredPattern(u"([0-9A-Fa-f]{2}[: ]?){31}[0-9A-Fa-f]{2}"_s));
    const QString trimmed = fingerprint.trimmed();
    if (!sha256.match(trimmed).hasMatch())
        return {};
    return QByteArray::fromHex(trimmed.toLatin1());
}

QString ChatWindowSettingsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(u"chat-window.ini"_s);
}

ChatWindowSettings LoadChatWindowSettings(const QString &file)
{
    const QSettings stored(file, QSettings::IniFormat);
    ChatWindowSettings settings;
    if (stored.status() != QSettings::NoError)
        return settings;
    settings.destination =
        fromName(Destinations, text(stored, u"destination"_s), ChatDestination::WineClient);
    settings.irc.host = text(stored, u"irc/server"_s);
    // Anything but a plain "off" keeps TLS on.
    settings.irc.tls = text(stored, u"irc/tls"_s) != u"off"_s;
    settings.irc.port = port(stored);
    settings.irc.nickname = text(stored, u"irc/nickname"_s);
    settings.irc.channel = text(stored, u"irc/channel"_s);
    settings.login = fromName(Logins, text(stored, u"irc/login"_s), IrcLogin::None);
    if (settings.login == IrcLogin::Sasl)
        settings.irc.sasl = IrcSettings::SaslLogin {text(stored, u"irc/account"_s), {}};
    settings.irc.trustedCertificateSha256 =
        Sha256FromHex(text(stored, u"irc/trusted-certificate-sha256"_s));
    return settings;
}

void SaveChatWindowSettings(const ChatWindowSettings &settings, const QString &file)
{
    QSettings stored(file, QSettings::IniFormat);
    stored.clear();
    stored.setValue(u"destination"_s, nameOf(Destinations, settings.destination));
    const IrcSettings &irc = settings.irc;
    stored.setValue(u"irc/server"_s, irc.host);
    stored.setValue(u"irc/tls"_s, irc.tls ? u"on"_s : u"off"_s);
    stored.setValue(u"irc/port"_s, QString::number(irc.effectivePort()));
    stored.setValue(u"irc/nickname"_s, irc.nickname);
    stored.setValue(u"irc/channel"_s, irc.channel);
    stored.setValue(u"irc/login"_s, nameOf(Logins, settings.login));
    if (settings.login == IrcLogin::Sasl && irc.sasl)
        stored.setValue(u"irc/account"_s, irc.sasl->account);
    if (!irc.trustedCertificateSha256.isEmpty()) {
        stored.setValue(u"irc/trusted-certificate-sha256"_s,
                        QString::fromLatin1(irc.trustedCertificateSha256.toHex()));
    }
}
