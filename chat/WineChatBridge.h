#pragma once

#include "chat/ChatSender.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>

// Sends each line through tintra-post.exe run under Wine, which posts it into the chat room of a
// client running under Wine. Wine gets this program's environment, so WINEPREFIX picks the
// prefix the client runs in; where that prefix is not set up, no client can be running and a
// line finds no room without Wine being run. The lines go out one at a time and in order, while
// the window goes on working; a helper that has not answered within the time limit is stopped.
class WineChatBridge : public QObject, public ChatSender
{
    Q_OBJECT

public:
    enum class Outcome { Posted, NoRoom, Failed, TimedOut };
    Q_ENUM(Outcome)

    static constexpr std::chrono::milliseconds DefaultTimeLimit = std::chrono::seconds(10);

    WineChatBridge(QString wine, QString helper,
                   std::chrono::milliseconds timeLimit = DefaultTimeLimit);
    // Lines still on their way go out first, each within its time limit: closing the chat
    // window right after "Send Text!" loses nothing.
    ~WineChatBridge() override;

    // Returns at once; lineDone tells when the line has been dealt with.
    void send(const std::string &line) override;

signals:
    void lineDone(WineChatBridge::Outcome outcome);

private:
    void startNext();
    void stop();
    void helperFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void helperFailedToStart(QProcess::ProcessError error);
    void finishLine(Outcome outcome);

    const QString m_wine;
    const QString m_helper;
    QProcess m_process;
    QTimer m_timeLimit;
    std::deque<QByteArray> m_waiting;
    bool m_running = false;
    bool m_stopped = false;
};
