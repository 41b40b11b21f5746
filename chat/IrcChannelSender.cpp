#include "chat/IrcChannelSender.h"

#include "chat/SecretStore.h"
#include "chat/irc/IrcChatSender.h"
#include "winhelpers/Dialogs.h"

#include <QPointer>

#include <utility>

IrcChannelSender::IrcChannelSender(ChatWindowSettings settings, SecretStore &secrets,
                                   Dialogs &dialogs, QWidget &window)
    : m_settings(std::move(settings))
    , m_secrets(secrets)
    , m_dialogs(dialogs)
    , m_window(window)
{ }

IrcChannelSender::~IrcChannelSender() = default;

void IrcChannelSender::send(const std::string &line)
{
    if (m_sender) {
        m_sender->send(line);
        return;
    }
    m_waiting.push_back(line);
    if (!m_settings.ircComplete()) {
        giveUp(tr("Choose the IRC server, the nickname and the channel under \"IRC "
                  "Settings…\" first."));
        return;
    }
    if (m_settings.login == IrcLogin::None) {
        open({});
        return;
    }
    if (m_waiting.size() > 1)
        return;
    // The store may answer after the window has gone.
    m_secrets.read(m_settings.passwordKey(),
                   [sender = QPointer(this)](const std::optional<QString> &password) {
                       if (sender)
                           sender->passwordFound(password);
                   });
}

void IrcChannelSender::passwordFound(const std::optional<QString> &password)
{
    if (password) {
        open(*password);
        return;
    }
    const QString typed = m_dialogs.passwordBox(
        &m_window,
        tr("The password for %1 on %2 (kept until Tintra ends, as no secret store keeps it):")
            .arg(m_settings.login == IrcLogin::Sasl ? m_settings.irc.sasl->account
                                                    : m_settings.irc.nickname,
                 m_settings.irc.host),
        tr("IRC Password"));
    if (typed.isEmpty()) {
        giveUp(tr("Not sent to IRC: no password was given."));
        return;
    }
    m_secrets.write(m_settings.passwordKey(), typed, [](bool) {});
    open(typed);
}

void IrcChannelSender::open(const QString &password)
{
    IrcSettings settings = m_settings.irc;
    if (m_settings.login == IrcLogin::ServerPassword)
        settings.serverPassword = password;
    else if (m_settings.login == IrcLogin::Sasl)
        settings.sasl->password = password;
    m_sender = std::make_unique<IrcChatSender>(std::move(settings));
    connect(m_sender.get(), &IrcChatSender::problem, this, &IrcChannelSender::problem);
    connect(m_sender.get(), &IrcChatSender::undelivered, this, &IrcChannelSender::undelivered);
    for (const std::string &line : std::exchange(m_waiting, {}))
        m_sender->send(line);
}

void IrcChannelSender::giveUp(const QString &problem)
{
    emit this->problem(problem);
    for (const std::string &line : std::exchange(m_waiting, {}))
        emit undelivered(QString::fromStdString(line));
}
