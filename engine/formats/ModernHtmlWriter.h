#pragma once

#include "engine/formats/StreamedWriter.h"

// Valid HTML5 for today's rich editors and pages: each letter in a span of its colour with its
// text escaped, bold, italic and underline as b, i and u inside one outer span that sets the
// face and the size, the waving as sup and sub, line breaks as br.
class ModernHtmlWriter : public StreamedWriter
{
public:
    ModernHtmlWriter(MarkupBuffer &out, const FadeOptions &options);

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, LongestEscape);
        WaveStart(cursor, wave);
        cursor << u"<span style=\"color:#";
        cursor.hex6(color, LowerHexPairs) << u"\">";
        cursor.escaped(letter, escape) << u"</span>";
        WaveEnd(cursor, wave);
    }

    void plainLetter(QStringView letter, WaveHeight wave)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, LongestEscape);
        WaveStart(cursor, wave);
        cursor.escaped(letter, escape);
        WaveEnd(cursor, wave);
    }

    void lineBreak(WaveHeight) { m_out.append(LineBreak); }

    // What a character of the text is written as, where HTML gives it a meaning; none for the
    // character itself.
    static QStringView escape(char16_t c)
    {
        switch (c) {
        case u'<':
            return u"&lt;";
        case u'>':
            return u"&gt;";
        case u'&':
            return u"&amp;";
        case u'"':
            return u"&quot;";
        default:
            return {};
        }
    }

private:
    static constexpr qsizetype LongestTags = 60;
    static constexpr qsizetype LongestEscape = 6;
};
