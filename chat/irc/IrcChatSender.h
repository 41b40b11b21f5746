#pragma once

#include "chat/ChatSender.h"
#include "chat/irc/IrcConnection.h"
#include "chat/irc/IrcSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>

// Sends the chat window's lines to an IRC channel, over one connection that the first line opens
// and a later line opens again once it has ended. Lines wait until we are in the channel, then go
// in order, each as one message or, when too long for one, as several that together give it
// back, at a pace that keeps the server from taking them for a flood.
//
// A message counts as delivered once it is written to the socket: when the server closes the
// connection, what was written before is not sent again, even if the server never read it, so
// nothing reaches the channel twice. What was still waiting is reported as undelivered instead.
class IrcChatSender : public QObject, public ChatSender
{
    Q_OBJECT

public:
    // A burst of messages goes at once, then one each interval, as the credit for the burst
    // comes back.
    struct Pacing
    {
        int burst;
        std::chrono::milliseconds interval;
    };
    static constexpr Pacing DefaultPacing {4, std::chrono::milliseconds(500)};

    explicit IrcChatSender(IrcSettings settings, Pacing pacing = DefaultPacing);
    // Lines still waiting go out at once when we are in the channel, so that closing the chat
    // window right after sending loses nothing; the connection ends then, so no pace is owed.
    ~IrcChatSender() override;

    // Returns at once; a line that cannot be delivered comes back through undelivered.
    void send(const std::string &line) override;

signals:
    // Each problem of a connection, once: the server cannot be reached, refuses us or the
    // channel, the certificate is not trusted, the connection was closed.
    void problem(const QString &message);
    // What of a line had not gone out when the connection ended.
    void undelivered(const QString &text);

private:
    void sendWhatCreditAllows();
    void sendNextMessage();
    void regainCredit();
    void connectionClosed();

    const Pacing m_pacing;
    IrcConnection m_connection;
    QTimer m_creditReturns;
    int m_credit;
    // Texts of messages not yet written; the first may be the rest of a line partly sent.
    std::deque<QByteArray> m_waiting;
};
