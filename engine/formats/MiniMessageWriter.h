#pragma once

#include "engine/formats/StreamedWriter.h"

// MiniMessage, the chat markup of game servers: each letter behind a colour tag, bold, italic
// and underline as tags in front, a tag opening "<" and the escape "\" of the message escaped.
// The tags close by themselves at the end. Game chat has no face, size or raised letters, so
// those are left out.
class MiniMessageWriter : public StreamedWriter
{
public:
    MiniMessageWriter(MarkupBuffer &out, const FadeOptions &options);

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, 2);
        cursor << u"<#";
        cursor.hex6(color, LowerHexPairs) << u">";
        cursor.escaped(letter, escape);
    }

    void plainLetter(QStringView letter, WaveHeight)
    {
        letterCursor(letter, 0, 2).escaped(letter, escape);
    }

    void lineBreak(WaveHeight) { m_out.append(u"<newline>"); }

private:
    static constexpr qsizetype LongestTags = 9;

    static QStringView escape(char16_t c)
    {
        switch (c) {
        case u'<':
            return u"\\<";
        case u'\\':
            return u"\\\\";
        default:
            return {};
        }
    }
};
