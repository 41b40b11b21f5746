#pragma once

#include "presets/PresetText.h"

#include <QString>

#include <functional>
#include <optional>

// The user's own presets, in one file that several programs may change at once: every change
// takes the file's lock, reads the file afresh, changes what it read and replaces the file
// whole and at once, so no one's save is lost and a crash leaves the old file or the new one.
class PresetStore
{
public:
    explicit PresetStore(QString path = DefaultPath());

    // presets.jsonl in Tintra's configuration folder (QStandardPaths::AppConfigLocation of the
    // program tintra), which tintra-fade shares.
    static QString DefaultPath();

    const QString &path() const { return m_path; }

    // The presets of the file; none when it is missing or cannot be read.
    PresetLines load() const;

    // Each gives the problem, if the file could not be changed.
    std::optional<QString> save(const Preset &preset); // replaces one of the same name
    std::optional<QString> rename(const QString &from, const QString &to);
    std::optional<QString> remove(const QString &name);
    // Saves the presets of another preset file, replacing those of the same names; gives how
    // many it took, or the problem.
    std::optional<QString> importFrom(const QString &file, qsizetype &imported);
    // Writes the user's presets to another file, to share.
    std::optional<QString> exportTo(const QString &file) const;

private:
    std::optional<QString> change(const std::function<void(PresetLines &)> &edit);

    QString m_path;
};

// Writes text to a file whole and at once; gives the problem, if any.
std::optional<QString> WriteWholeFile(const QString &path, const QByteArray &text);
