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
    // The fully encoded form already escapes blanks, quotation marks, "#", "%", angle brackets
    // and non-ASCII letters; "&" and "'" are legal in a URL but would be read as a character
    // reference or could close a single-quoted attribute, so they are escaped too.
    QString url = QUrl::fromLocalFile(fileName).toString(QUrl::FullyEncoded);
    url.replace(QLatin1Char('&'), QStringLiteral("%26"));
    url.replace(QLatin1Char('\''), QStringLiteral("%27"));
    return url;
}
