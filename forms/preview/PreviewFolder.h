#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

// The running program's own folder for its preview page, so that two programs never share a
// page and nobody else can reach it: made fresh at start with mode 0700 and removed, with what
// is in it, when the program ends. Its name carries the program's process id; a folder whose
// program is gone, because it crashed or was killed, is removed by the next program to start.
class PreviewFolder
{
public:
    // A folder in the user's runtime folder, or where there is none in a private "preview"
    // folder of the user's cache.
    PreviewFolder();

    // A folder in the given parent, which only the user can enter.
    explicit PreviewFolder(const QString &parent);

    // Empty when no folder could be made.
    QString path() const;

    // Why no folder could be made.
    QString errorString() const;

private:
    std::optional<QTemporaryDir> m_folder;
};
