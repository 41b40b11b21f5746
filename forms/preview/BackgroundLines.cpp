#include "forms/preview/BackgroundLines.h"

#include <QUrl>

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString PlainOpeningLine()
{
    return QStringLiteral("<HTML><BODY>");
}

QString ColorOpeningLine(ColorValue color)
{
    return QStringLiteral("<HTML><BODY BGCOLOR=") + quoted(QLatin1Char('#') + Hex6(color)) +
        QLatin1Char('>');
}

QString PictureOpeningLine(const QString &fileName)
{
    return QStringLiteral("<HTML><BODY BACKGROUND=") + quoted(PictureUrl(fileName)) +
        QLatin1Char('>');
}

QString WhiteOpeningLine()
{
    return QStringLiteral("<HTML><BODY BGCOLOR=") + quoted(QStringLiteral("white")) +
        QLatin1Char('>');
}

QString PictureUrl(const QString &fileName)
{
    // The UTF-8 of the path, percent-encoded but for the characters QUrl also leaves plain in a
    // path, less "&" and "'": legal in a URL, they would be read as a character reference or
    // could close a single-quoted attribute. (QUrl's own encoding mangles the noncharacters
    // past the first plane.)
    static constexpr char plain[] = "/!$()*+,;=:@[]";
    const QString path = QUrl::fromLocalFile(fileName).path(QUrl::FullyDecoded);
    return QStringLiteral("file://") + QString::fromLatin1(path.toUtf8().toPercentEncoding(plain));
}
