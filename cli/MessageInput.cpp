#include "cli/MessageInput.h"

#include "cli/Utf8Decoder.h"
#include "engine/CrLfText.h"

#include <cerrno>
#include <cstring>

std::optional<QString> DecodeUtf8(QByteArrayView bytes)
{
    Utf8Decoder utf8;
    std::optional<QString> text = utf8.decode(bytes);
    if (!text || !utf8.finish())
        return std::nullopt;
    return text;
}

MessageInput ReadMessage(FILE *stream, qsizetype byteLimit)
{
    // Each piece is decoded as it comes and its bytes dropped, so the message is held once, as
    // text; bytes that are not UTF-8 are refused before the rest is read.
    Utf8Decoder utf8;
    CrLfText text;
    qsizetype byteCount = 0;
    bool endsWithLineFeed = false;
    char buffer[65536];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) {
        const QByteArrayView bytes(buffer, qsizetype(read));
        const std::optional<QString> piece = utf8.decode(bytes);
        if (!piece)
            return {MessageInput::Status::NotUtf8, {}, {}};
        byteCount += bytes.size();
        if (byteLimit >= 0 && byteCount > byteLimit)
            return {MessageInput::Status::TooLong, {}, {}};
        text.append(*piece);
        endsWithLineFeed = bytes.back() == '\n';
    }
    if (std::ferror(stream))
        return {MessageInput::Status::ReadFailed, {}, QString::fromLocal8Bit(std::strerror(errno))};
    if (!utf8.finish())
        return {MessageInput::Status::NotUtf8, {}, {}};
    QString message = text.take();
    // The line break that ends the last line of input is not part of the message; a line feed
    // there ended one, which is now a CR LF.
    if (endsWithLineFeed)
        message.chop(2);
    return {MessageInput::Status::Read, std::move(message), {}};
}
