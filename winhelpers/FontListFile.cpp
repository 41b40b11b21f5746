#include "winhelpers/FontListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

const QString Header = u"[The Font Names]"_s;
constexpr char LineEnd[] = "\r\r\n";
// Long enough for any font list; a larger file is not one of ours.
constexpr qint64 LargestFile = 4 * 1024 * 1024;

} // namespace

QString FontListFile::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(u"Font Names.INI"_s);
}

FontListFile::FontListFile(QString path)
    : m_path(std::move(path))
{ }

std::optional<QStringList> FontListFile::read() const
{
    QFile file(m_path);
    if (file.size() > LargestFile || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return namesFromBytes(bytes);
}

std::optional<QStringList> FontListFile::namesFromBytes(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    // Stateless, so that a last name cut short inside a character is an error, not dropped.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    QStringList names = namesFromText(text);
    if (names.isEmpty())
        return std::nullopt;
    return names;
}

bool FontListFile::write(const QStringList &names) const
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(bytesOf(names)) >= 0 && file.commit();
}

QStringList FontListFile::namesFromText(QStringView text)
{
    QStringList names;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        if (!atEnd && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n')
            continue;
        const QStringView item = text.sliced(start, i - start);
        if (!item.isEmpty() && !item.contains(u'['))
            names << item.toString();
        // A CR LF pair ends one item, not two.
        if (!atEnd && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return names;
}

QByteArray FontListFile::bytesOf(const QStringList &names)
{
    QByteArray bytes = Header.toUtf8() + LineEnd;
    for (const QString &name : names)
        bytes += name.toUtf8() + LineEnd;
    return bytes;
}
