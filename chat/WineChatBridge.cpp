#include "chat/WineChatBridge.h"

#include "chat/post/PostExitStatus.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

#include <algorithm>
#include <utility>

namespace {

// A client under Wine runs in a prefix that Wine has set up, registry and all. Wine run without
// one would build a whole new prefix, in which no client can be running.
bool winePrefixIsSetUp()
{
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::home().filePath(QStringLiteral(".wine"));
    return QFileInfo(QDir(prefix).filePath(QStringLiteral("system.reg"))).isFile();
}

} // namespace

WineChatBridge::WineChatBridge(QString wine, QString helper, std::chrono::milliseconds timeLimit)
    : m_wine(std::move(wine))
    , m_helper(std::move(helper))
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_timeLimit.setSingleShot(true);
    m_timeLimit.setInterval(timeLimit);
    connect(&m_timeLimit, &QTimer::timeout, this, &WineChatBridge::stop);
    connect(&m_process, &QProcess::finished, this, &WineChatBridge::helperFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &WineChatBridge::helperFailedToStart);
}

WineChatBridge::~WineChatBridge()
{
    while (m_running || !m_waiting.empty()) {
        startNext();
        const int remaining = std::max(m_timeLimit.remainingTime(), 0);
        if (!m_process.waitForFinished(remaining) && m_running) {
            stop();
            m_process.waitForFinished();
        }
    }
}

void WineChatBridge::send(const std::string &line)
{
    m_waiting.push_back(QByteArray::fromStdString(line));
    startNext();
}

void WineChatBridge::startNext()
{
    if (m_running || m_waiting.empty())
        return;
    const QByteArray line = m_waiting.front();
    m_waiting.pop_front();
    m_running = true;
    if (!winePrefixIsSetUp()) {
        finishLine(Outcome::NoRoom);
        return;
    }
    m_stopped = false;
    m_timeLimit.start();
    m_process.start(m_wine, {m_helper});
    // A start that fails at once has already finished the line.
    if (m_running) {
        m_process.write(line);
        m_process.closeWriteChannel();
    }
}

void WineChatBridge::stop()
{
    m_stopped = true;
    m_process.kill();
}

void WineChatBridge::helperFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (m_stopped) {
        qWarning().noquote() << m_helper << "gave no answer within"
                             << m_timeLimit.intervalAsDuration().count() << "ms and was stopped";
        finishLine(Outcome::TimedOut);
    } else if (exitStatus == QProcess::NormalExit && exitCode == PostExitStatus::Posted) {
        finishLine(Outcome::Posted);
    } else if (exitStatus == QProcess::NormalExit && exitCode == PostExitStatus::NoRoom) {
        finishLine(Outcome::NoRoom);
    } else {
        qWarning().noquote() << m_helper << "failed:" << m_process.readAll().trimmed();
        finishLine(Outcome::Failed);
    }
}

void WineChatBridge::helperFailedToStart(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    qWarning().noquote() << m_wine << "did not start:" << m_process.errorString();
    finishLine(Outcome::Failed);
}

void WineChatBridge::finishLine(Outcome outcome)
{
    m_timeLimit.stop();
    m_process.readAll();
    m_running = false;
    emit lineDone(outcome);
    // The next helper starts once this one's signal has run its course.
    QMetaObject::invokeMethod(this, &WineChatBridge::startNext, Qt::QueuedConnection);
}
