#pragma once

#include "chat/irc/IrcSettings.h"

#include <QString>

// Where the chat window's lines go.
enum class ChatDestination { WineClient, IrcChannel };

// Which password the IRC server asks before it lets us in.
enum class IrcLogin { None, ServerPassword, Sasl };

// What the chat window remembers between runs: where its lines go and how to reach the IRC
// channel. Never a password: that belongs in the secret store.
struct ChatWindowSettings
{
    ChatDestination destination = ChatDestination::WineClient;
    // Without passwords; the SASL account, when the login is SASL, is the one in irc.sasl.
    IrcSettings irc;
    IrcLogin login = IrcLogin::None;

    // Whether there is a channel to go to.
    bool ircComplete() const;
    // Names the password this login needs in the secret store: the login, the user and the server.
    QString passwordKey() const;
};

// The 32 bytes of a SHA-256 fingerprint written in hexadecimal, its bytes apart or separated by
// colons or spaces; empty for any other text.
QByteArray Sha256FromHex(const QString &fingerprint);

// The file in the user's configuration folder that keeps the chat window's settings.
QString ChatWindowSettingsFile();

// The settings kept in file. A value missing, of another kind or out of its range reads as its
// default, and a file that is no settings file at all as the defaults.
ChatWindowSettings LoadChatWindowSettings(const QString &file);
void SaveChatWindowSettings(const ChatWindowSettings &settings, const QString &file);
