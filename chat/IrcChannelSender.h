#pragma once

#include "chat/ChatSender.h"
#include "chat/ChatWindowSettings.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class Dialogs;
class IrcChatSender;
class QWidget;
class SecretStore;

// The chat window's lines to its IRC channel, over one connection that the first line opens.
// Before that, the password the login needs comes from the secret store or, when the store keeps
// none, from the user, who is asked once: what they type is told to the store, which keeps it at
// least until the program ends. Lines wait meanwhile.
class IrcChannelSender : public QObject, public ChatSender
{
    Q_OBJECT

public:
    IrcChannelSender(ChatWindowSettings settings, SecretStore &secrets, Dialogs &dialogs,
                     QWidget &window);
    ~IrcChannelSender() override;

    void send(const std::string &line) override;

signals:
    // Each problem once: the settings are not complete, no password, or the connection's.
    void problem(const QString &message);
    // What of a line has not gone out and will not.
    void undelivered(const QString &text);

private:
    void passwordFound(const std::optional<QString> &password);
    void open(const QString &password);
    void giveUp(const QString &problem);

    const ChatWindowSettings m_settings;
    SecretStore &m_secrets;
    Dialogs &m_dialogs;
    QWidget &m_window;
    std::unique_ptr<IrcChatSender> m_sender;
    // Lines that came before the password, in order; the first of them asked the store for it.
    std::vector<std::string> m_waiting;
};
