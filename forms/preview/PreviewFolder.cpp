#include "forms/preview/PreviewFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <limits>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString NamePrefix = u"Tintra-preview-"_s;

constexpr QFileDevice::Permissions OwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

bool isRunning(qint64 pid)
{
    // A process of another user may only be signalled by that user, yet it runs.
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
        (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// A folder of the user's own that is really there, not a link to somewhere else.
bool isOwnFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() && info.ownerId() == ::geteuid();
}

QString privateCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return {};
    const QString folder = cache + u"/preview"_s;
    QDir().mkpath(cache);
    // Created private, and made private again should it have been opened up since.
    QDir().mkdir(folder, OwnerOnly);
    if (!isOwnFolder(folder))
        return {};
    QFile::setPermissions(folder, OwnerOnly);
    return folder;
}

QString userParent()
{
    // Qt hands out the runtime folder only when it belongs to the user with mode 0700.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? privateCacheFolder() : runtime;
}

// The parent's entries that are preview folders of programs no longer running.
QStringList staleFolders(const QString &parent)
{
    static const QRegularExpression name(u"^"_s + NamePrefix + uR"((\d+)-[^/]+$)"_s);
    QStringList stale;
    const QDir folder(parent);
    for (const QString &entry : folder.entryList(QDir::Dirs | QDir::NoSymLinks | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch() && !isRunning(match.captured(1).toLongLong()))
            stale << folder.filePath(entry);
    }
    return stale;
}

} // namespace

PreviewFolder::PreviewFolder()
    : PreviewFolder(userParent())
{ }

PreviewFolder::PreviewFolder(const QString &parent)
{
    if (parent.isEmpty())
        return;
    for (const QString &stale : staleFolders(parent))
        QDir(stale).removeRecursively();
    m_folder.emplace(QDir(parent).filePath(
        NamePrefix + QString::number(QCoreApplication::applicationPid()) + u"-XXXXXX"_s));
}

QString PreviewFolder::path() const
{
    return m_folder && m_folder->isValid() ? m_folder->path() : QString();
}

QString PreviewFolder::errorString() const
{
    return m_folder ? m_folder->errorString() : u"the user has no private folder for it"_s;
}
