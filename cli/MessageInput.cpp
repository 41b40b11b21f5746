#include "cli/MessageInput.h"

#include <QByteArray>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

std::optional<QString> DecodeUtf8(QByteArrayView bytes)
{
    // Stateless, so that a sequence cut short at the end is an error, not a wait for more.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

MessageInput ReadMessage(FILE *stream, qsizetype byteLimit)
{
    QByteArray bytes;
    char buffer[65536];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) {
        bytes.append(buffer, qsizetype(read));
        if (byteLimit >= 0 && bytes.size() > byteLimit)
            return {MessageInput::Status::TooLong, {}, {}};
    }
    if (std::ferror(stream))
        return {MessageInput::Status::ReadFailed, {}, QString::fromLocal8Bit(std::strerror(errno))};
    // The line break that ends the last line of input is not part of the message.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    std::optional<QString> text = DecodeUtf8(bytes);
    if (!text)
        return {MessageInput::Status::NotUtf8, {}, {}};
    return {MessageInput::Status::Read, *std::move(text), {}};
}

QString WithCrLfBreaks(QStringView text)
{
    // Room for every character to become a pair, which saves counting the breaks first.
    QString withBreaks(2 * text.size(), Qt::Uninitialized);
    QChar *out = withBreaks.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = text[i];
        }
    }
    withBreaks.truncate(out - withBreaks.constData());
    return withBreaks;
}
