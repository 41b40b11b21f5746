#include "chat/irc/IrcPlainText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString IrcPlainText(const QString &text)
{
    static const QRegularExpression formatting(
        u"\x03(\\d{1,2}(,\\d{1,2})?)?|\x04([0-9A-Fa-f]{6}(,[0-9A-Fa-f]{6})?)?|[\x02\x0F\x11\x16\x1D\x1E\x1F]"_s);
    return QString(text).remove(formatting);
}
