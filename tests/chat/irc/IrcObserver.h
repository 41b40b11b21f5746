#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpSocket>

// A second client in #tintra, on a plain socket, that sees the sender's messages as the others
// in the channel see them.
class IrcObserver
{
public:
    // Connects, registers (with the server password, if any) and joins the channel before it
    // returns.
    IrcObserver(quint16 port, const QByteArray &nickname, const QByteArray &password = {});

    void send(const QByteArray &line);
    // The PRIVMSG lines received so far, exactly as they came, CR LF and all.
    QList<QByteArray> messages() const;
    // Waits until count messages have come; false when they do not come.
    bool waitForMessages(qsizetype count) const;

private:
    QTcpSocket m_socket;
    QList<QByteArray> m_lines;
};
