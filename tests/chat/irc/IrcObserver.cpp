#include "tests/chat/irc/IrcObserver.h"

#include <QHostAddress>
#include <QTest>

#include <gtest/gtest.h>

IrcObserver::IrcObserver(quint16 port, const QByteArray &nickname, const QByteArray &password)
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

void IrcObserver::send(const QByteArray &line)
{
    m_socket.write(line + "\r\n");
}

QList<QByteArray> IrcObserver::messages() const
{
    QList<QByteArray> messages;
    for (const QByteArray &line : m_lines) {
        if (line.contains(" PRIVMSG "))
            messages << line;
    }
    return messages;
}

bool IrcObserver::waitForMessages(qsizetype count) const
{
    return QTest::qWaitFor([&] { return messages().size() >= count; }, 10000);
}
