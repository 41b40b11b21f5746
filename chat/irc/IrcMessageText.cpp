#include "chat/irc/IrcMessageText.h"

#include "engine/formats/IrcLines.h"

#include <QStringDecoder>

#include <algorithm>

QList<QByteArray> IrcMessageTexts(const std::string &line)
{
    QByteArray bytes = QByteArray::fromStdString(line);
    bytes.removeIf([](char byte) { return byte == '\0'; });
    QList<QByteArray> texts = bytes.replace('\r', '\n').split('\n');
    texts.removeIf([](const QByteArray &text) { return text.isEmpty(); });
    return texts;
}

qsizetype IrcMessagePieceLength(QByteArrayView text, qsizetype room)
{
    if (text.size() <= room)
        return text.size();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(text);
    // Bytes that are not UTF-8 have no letters to keep whole: they are cut where the room ends.
    if (utf8.hasError())
        return std::max<qsizetype>(room, 1);
    return Utf8Length(QStringView(decoded).first(IrcCutLength(decoded, room)));
}

QByteArray IrcMessageRest(QByteArrayView text, qsizetype cut)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(text);
    if (utf8.hasError())
        return text.sliced(cut).toByteArray();
    const qsizetype cutUnits = QString::fromUtf8(text.first(cut)).size();
    return IrcLineRest(decoded, cutUnits).toUtf8();
}
