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
        cursor.escaped(letter, HtmlEscape) << u"</span>";
        WaveEnd(cursor, wave);
    }

    void plainLetter(QStringView letter, WaveHeight wave)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, LongestEscape);
        WaveStart(cursor, wave);
        cursor.escaped(letter, HtmlEscape);
        WaveEnd(cursor, wave);
    }

    void lineBreak(WaveHeight) { m_out.append(LineBreak); }

private:
    static constexpr qsizetype LongestTags = 60;
    static constexpr qsizetype LongestEscape = 6;
};
