#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

// Decodes well-formed UTF-8 that comes in pieces, so that bytes that are not are known in the
// piece that holds them: a byte that cannot stand where it is, an overlong form, a surrogate or
// a character past U+10FFFF. A piece may end inside a character, which the next one completes;
// a sequence cut short at the very end shows at finish(). An initial byte order mark is not
// part of the text.
class Utf8Decoder
{
public:
    // The text of the next piece; none once the bytes so far cannot be UTF-8.
    std::optional<QString> decode(QByteArrayView piece);

    // Whether the bytes ended where a character ends. Nothing is decoded after it.
    bool finish();

private:
    QStringDecoder m_utf8 {QStringDecoder::Utf8};
};
