#include "forms/preview/PreviewFile.h"

#include "engine/LineBreaks.h"
#include "forms/preview/BackgroundLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");
constexpr QByteArrayView LineEnd("\r\n");

// Where the text after the first line begins, or -1 when the first line has no line end. A
// line ends at CR LF, CR or LF.
qsizetype restStart(const QByteArray &content)
{
    const auto end =
        std::find_if(content.begin(), content.end(), [](char c) { return c == '\r' || c == '\n'; });
    if (end == content.end())
        return -1;
    const qsizetype index = end - content.begin();
    const bool crLf = *end == '\r' && index + 1 < content.size() && content.at(index + 1) == '\n';
    return index + (crLf ? 2 : 1);
}

// The whole file: the byte order mark, line 1 and its line end, then the rest as it is.
QByteArray page(const QString &line1, const QByteArray &rest)
{
    QByteArray content;
    content.append(ByteOrderMark).append(line1.toUtf8()).append(LineEnd).append(rest);
    return content;
}

// A short write carries no reason; the write of the rest that fails gives it.
bool writeAll(QIODevice &device, QByteArrayView content)
{
    while (!content.isEmpty()) {
        const qint64 written = device.write(content.data(), content.size());
        if (written <= 0)
            return false;
        content = content.sliced(written);
    }
    return true;
}

} // namespace

PreviewFile::PreviewFile(QString folder)
    : m_folder(std::move(folder))
{ }

QString PreviewFile::path() const
{
    return QDir(m_folder).filePath(FileName);
}

QUrl PreviewFile::url() const
{
    return QUrl::fromLocalFile(path());
}

bool PreviewFile::writeForView(const QString &fragment, QString *error) const
{
    // Every line break as CR LF, so the whole file has one kind of line end.
    const QByteArray rest = WithCrLfBreaks(fragment + QStringLiteral("</BODY></HTML>")).toUtf8() +
        LineEnd.toByteArray();
    return write(page(PlainOpeningLine(), rest), error);
}

PreviewFile::Replaced PreviewFile::replaceOpeningLine(const QString &line1, QString *error) const
{
    QByteArray content;
    {
        if (QFileInfo(path()).isSymLink())
            return Replaced::NothingToReplace;
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return Replaced::NothingToReplace;
        content = file.readAll();
    }
    const std::optional<QByteArray> replaced = withOpeningLine(std::move(content), line1);
    if (!replaced)
        return Replaced::NothingToReplace;
    return write(*replaced, error) ? Replaced::Yes : Replaced::WriteFailed;
}

std::optional<QByteArray> PreviewFile::withOpeningLine(QByteArray content, const QString &line1)
{
    if (content.startsWith(ByteOrderMark))
        content.remove(0, ByteOrderMark.size());
    const qsizetype rest = restStart(content);
    if (rest < 0 || rest == content.size())
        return std::nullopt;
    return page(line1, content.mid(rest));
}

void PreviewFile::remove() const
{
    QFile::remove(path());
}

bool PreviewFile::write(const QByteArray &content, QString *error) const
{
    if (m_folder.isEmpty()) {
        if (error)
            *error = u"there is no folder for it"_s;
        return false;
    }
    // A link at the page's name is taken away rather than followed, as the save below would.
    if (QFileInfo(path()).isSymLink())
        QFile::remove(path());
    // Written aside and renamed over the old file, so a failed write never leaves half a page.
    // Unbuffered, so that a write the disk cuts short is seen before the rename.
    QSaveFile file(path());
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        writeAll(file, content) && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}
