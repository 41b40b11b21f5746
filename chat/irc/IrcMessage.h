#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// One line from an IRC server, split into its parts: ":prefix COMMAND param param :last param".
struct IrcMessage
{
    // The line without its CR LF; message tags in front are passed over.
    static IrcMessage parse(QByteArrayView line);

    // The parameter at index, or nothing when the message has fewer.
    QByteArray param(qsizetype index) const { return params.value(index); }
    // The nickname in a "nick!user@host" prefix.
    QByteArray prefixNickname() const { return prefix.left(prefix.indexOf('!')); }

    QByteArray prefix;
    QByteArray command;
    QList<QByteArray> params;
};
