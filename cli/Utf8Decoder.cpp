#include "cli/Utf8Decoder.h"

std::optional<QString> Utf8Decoder::decode(QByteArrayView piece)
{
    QString text = m_utf8(piece);
    if (m_utf8.hasError())
        return std::nullopt;
    return text;
}

bool Utf8Decoder::finish()
{
    // A sequence cut short waits in the decoder for the rest of its bytes; a line feed, which
    // cannot continue one, turns it into an error.
    const QString lineFeed = m_utf8(QByteArrayView("\n"));
    return !m_utf8.hasError();
}
