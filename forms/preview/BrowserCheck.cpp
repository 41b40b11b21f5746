#include "forms/preview/BrowserCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

// What the variable names, or the fallback when it is unset.
QString pathFrom(const char *variable, const QString &fallback)
{
    const QString set = qEnvironmentVariable(variable);
    return set.isEmpty() ? fallback : set;
}

QString qtFolder(QLibraryInfo::LibraryPath folder, const QString &name)
{
    return QDir(QLibraryInfo::path(folder)).filePath(name);
}

QString helperProcess()
{
    return pathFrom(
        "QTWEBENGINEPROCESS_PATH",
        qtFolder(QLibraryInfo::LibraryExecutablesPath, QStringLiteral("QtWebEngineProcess")));
}

QString resources()
{
    const QString folder = pathFrom("QTWEBENGINE_RESOURCES_PATH",
                                    qtFolder(QLibraryInfo::DataPath, QStringLiteral("resources")));
    return QDir(folder).filePath(QStringLiteral("qtwebengine_resources.pak"));
}

} // namespace

std::optional<BrowserComponent> MissingBrowserComponent()
{
    const QString process = helperProcess();
    const QFileInfo processInfo(process);
    if (!processInfo.isFile() || !processInfo.isExecutable())
        return BrowserComponent {process, QStringLiteral("libqt6webenginecore6-bin")};
    const QString pak = resources();
    if (!QFileInfo(pak).isFile())
        return BrowserComponent {pak, QStringLiteral("libqt6webengine6-data")};
    return std::nullopt;
}

Notice MissingBrowserNotice(const BrowserComponent &missing)
{
    const QString text = QStringLiteral("Tintra couldn't find the file: \"") + missing.path +
        QStringLiteral("\", this file is needed for the preview feature 2 work. If u don't "
                       "have it then install the Debian package \"") +
        missing.package + QStringLiteral("\" and try again");
    return {text, NoticeIcon::Critical, QStringLiteral("Error")};
}
