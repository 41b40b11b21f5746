#include "chat/irc/IrcMessageText.h"

#include <algorithm>

namespace {

constexpr char ColourCode = '\x03';
constexpr char HexColourCode = '\x04';
// \x04RRGGBB,RRGGBB
constexpr qsizetype LongestColourCode = 14;
constexpr qsizetype LongestUtf8Character = 4;

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

bool isHexDigit(char byte)
{
    return isDigit(byte) || (byte >= 'a' && byte <= 'f') || (byte >= 'A' && byte <= 'F');
}

// How many bytes from at on are, up to most, what isPart accepts.
qsizetype runLength(QByteArrayView text, qsizetype at, qsizetype most, bool (*isPart)(char))
{
    qsizetype length = 0;
    while (length < most && at + length < text.size() && isPart(text[at + length]))
        ++length;
    return length;
}

// The length of the colour code that starts at at: its control byte, a foreground colour (two
// decimal digits, or six hexadecimal ones after \x04) and, after a comma, a background colour.
// A comma that no digit follows is text.
qsizetype colourCodeLength(QByteArrayView text, qsizetype at)
{
    const bool hex = text[at] == HexColourCode;
    const qsizetype digits = hex ? 6 : 2;
    bool (*const isColourDigit)(char) = hex ? isHexDigit : isDigit;
    qsizetype length = 1 + runLength(text, at + 1, digits, isColourDigit);
    if (length > 1 && at + length < text.size() && text[at + length] == ',') {
        const qsizetype background = runLength(text, at + length + 1, digits, isColourDigit);
        if (background > 0)
            length += 1 + background;
    }
    return length;
}

// Where the colour code starts that cut falls inside or right after, or cut when there is none:
// a code goes into the message that holds the letter it colours. Codes do not overlap, so the
// nearest control byte before cut decides.
qsizetype startOfColourCodeAround(QByteArrayView text, qsizetype cut)
{
    const qsizetype earliest = std::max<qsizetype>(0, cut - LongestColourCode);
    for (qsizetype at = cut - 1; at >= earliest; --at) {
        if (text[at] == ColourCode || text[at] == HexColourCode)
            return at + colourCodeLength(text, at) >= cut ? at : cut;
    }
    return cut;
}

// Where the UTF-8 character that cut falls inside starts; text that is not UTF-8 is cut where
// asked.
qsizetype startOfCharacterAround(QByteArrayView text, qsizetype cut)
{
    const qsizetype earliest = std::max<qsizetype>(0, cut - LongestUtf8Character + 1);
    for (qsizetype at = cut; at >= earliest; --at) {
        if (!isContinuationByte(text[at]))
            return at;
    }
    return cut;
}

qsizetype firstCharacterLength(QByteArrayView text)
{
    return 1 + runLength(text, 1, LongestUtf8Character - 1, isContinuationByte);
}

} // namespace

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
    const qsizetype cut =
        startOfColourCodeAround(text, startOfCharacterAround(text, std::max<qsizetype>(room, 0)));
    return cut > 0 ? cut : firstCharacterLength(text);
}
