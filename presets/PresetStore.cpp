#include "presets/PresetStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// Another program holds the lock only while it rewrites the file.
constexpr int LockWaitMs = 10000;

void removeNamed(QList<Preset> &presets, const QString &name)
{
    presets.removeIf([&](const Preset &preset) { return preset.name == name; });
}

} // namespace

std::optional<QString> WriteWholeFile(const QString &path, const QByteArray &text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return u"cannot create the folder of %1"_s.arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return u"cannot write %1: %2"_s.arg(path, file.errorString());
    return std::nullopt;
}

PresetStore::PresetStore(QString path)
    : m_path(std::move(path))
{ }

QString PresetStore::DefaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(u"Tintra/presets.jsonl"_s);
}

PresetLines PresetStore::load() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadPresetLines(file.readAll());
}

std::optional<QString> PresetStore::save(const Preset &preset)
{
    return change([&](PresetLines &lines) {
        const auto same = std::ranges::find(lines.presets, preset.name, &Preset::name);
        if (same == lines.presets.end())
            lines.presets << preset;
        else
            *same = preset;
    });
}

std::optional<QString> PresetStore::rename(const QString &from, const QString &to)
{
    return change([&](PresetLines &lines) {
        removeNamed(lines.presets, to);
        for (Preset &preset : lines.presets) {
            if (preset.name == from)
                preset.name = to;
        }
    });
}

std::optional<QString> PresetStore::remove(const QString &name)
{
    return change([&](PresetLines &lines) { removeNamed(lines.presets, name); });
}

std::optional<QString> PresetStore::importFrom(const QString &file, qsizetype &imported)
{
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return u"cannot read %1: %2"_s.arg(file, source.errorString());
    const PresetLines taken = ReadPresetLines(source.readAll());
    if (taken.presets.isEmpty())
        return u"%1 holds no presets"_s.arg(file);
    imported = taken.presets.size();
    return change([&](PresetLines &lines) {
        for (const Preset &preset : taken.presets) {
            removeNamed(lines.presets, preset.name);
            lines.presets << preset;
        }
    });
}

std::optional<QString> PresetStore::exportTo(const QString &file) const
{
    return WriteWholeFile(file, WritePresetLines({load().presets, {}}));
}

std::optional<QString> PresetStore::change(const std::function<void(PresetLines &)> &edit)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return u"cannot create the folder of %1"_s.arg(m_path);
    QLockFile lock(m_path + u".lock"_s);
    if (!lock.tryLock(LockWaitMs))
        return u"%1 is locked by another program"_s.arg(m_path);
    PresetLines lines = load();
    edit(lines);
    return WriteWholeFile(m_path, WritePresetLines(lines));
}
