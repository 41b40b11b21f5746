#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

// A second client in #tintra, on a plain socket, that sees the sender's messages as the others
// in the channel see them.
class IrcObserver
{
public:
    // Connects, registers (with the server password, if any) and joins the channel before it
    // returns.
    IrcObserver(quint16 port, const QByteArray &nickname, const QByteArray &password = {})
    {
        QObject::connect(&m_socket, &QTcpSocket::readyRead, &m_socket, [this] {
            while (m_socket.canReadLine())
                m_lines.append(m_socket.readLine());
        });
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        if (!password.isEmpty())
            send("PASS " + password);
        send("NICK " + nickname);
        send("USER observer 0 * :Observer");
        send("JOIN #tintra");
        // The list of names ends the join.
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_lines.join().contains(" 366 "); }, 10000))
            << m_lines.join().toStdString();
    }

    void send(const QByteArray &line) { m_socket.write(line + "\r\n"); }

    // The PRIVMSG lines received so far, exactly as they came, CR LF and all.
    QList<QByteArray> messages() const
    {
        QList<QByteArray> messages;
        for (const QByteArray &line : m_lines) {
            if (line.contains(" PRIVMSG "))
                messages << line;
        }
        return messages;
    }

    // Waits until count messages have come; false when they do not come.
    bool waitForMessages(qsizetype count) const
    {
        return QTest::qWaitFor([&] { return messages().size() >= count; }, 10000);
    }

private:
    QTcpSocket m_socket;
    QList<QByteArray> m_lines;
};
