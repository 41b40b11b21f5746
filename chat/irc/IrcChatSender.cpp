#include "chat/irc/IrcChatSender.h"

#include "chat/irc/IrcMessageText.h"

#include <algorithm>
#include <utility>

IrcChatSender::IrcChatSender(IrcSettings settings, Pacing pacing)
    : m_pacing(pacing)
    , m_connection(std::move(settings))
    , m_credit(pacing.burst)
{
    m_creditReturns.setInterval(m_pacing.interval);
    connect(&m_creditReturns, &QTimer::timeout, this, &IrcChatSender::regainCredit);
    connect(&m_connection, &IrcConnection::joined, this, &IrcChatSender::sendWhatCreditAllows);
    connect(&m_connection, &IrcConnection::problem, this, &IrcChatSender::problem);
    connect(&m_connection, &IrcConnection::closed, this, &IrcChatSender::connectionClosed);
}

IrcChatSender::~IrcChatSender()
{
    while (m_connection.isJoined() && !m_waiting.empty())
        sendNextMessage();
}

void IrcChatSender::send(const std::string &line)
{
    const QList<QByteArray> texts = IrcMessageTexts(line);
    m_waiting.insert(m_waiting.end(), texts.begin(), texts.end());
    if (m_waiting.empty())
        return;
    if (!m_connection.isOpen())
        m_connection.open();
    sendWhatCreditAllows();
}

void IrcChatSender::sendWhatCreditAllows()
{
    while (m_connection.isJoined() && m_credit > 0 && !m_waiting.empty()) {
        sendNextMessage();
        --m_credit;
    }
    if (m_credit < m_pacing.burst && !m_creditReturns.isActive())
        m_creditReturns.start();
}

void IrcChatSender::sendNextMessage()
{
    QByteArray &text = m_waiting.front();
    const qsizetype length = IrcMessagePieceLength(text, m_connection.messageRoom());
    m_connection.sendToChannel(QByteArrayView(text).first(length));
    if (length == text.size())
        m_waiting.pop_front();
    else
        text = IrcMessageRest(text, length);
}

void IrcChatSender::regainCredit()
{
    m_credit = std::min(m_credit + 1, m_pacing.burst);
    sendWhatCreditAllows();
    if (m_credit == m_pacing.burst)
        m_creditReturns.stop();
}

// A new connection starts with the whole burst, as the server counts afresh.
void IrcChatSender::connectionClosed()
{
    m_creditReturns.stop();
    m_credit = m_pacing.burst;
    for (const QByteArray &text : std::exchange(m_waiting, {}))
        emit undelivered(QString::fromUtf8(text));
}
