#pragma once

#include "engine/formats/TaggedRunWriter.h"

// Pango markup for status bars and desktop widgets: each run of letters of one colour in a
// span with its foreground, bold, italic and underline as b, i and u around them all, raised
// and lowered letters in sup and sub, and the characters that Pango reads as markup (& < > " ')
// written as entities. Line breaks stay line breaks. The bar sets its own face and size, so
// those are left out.
class PangoWriter : public TaggedRunWriter<PangoWriter>
{
public:
    PangoWriter(MarkupBuffer &out, const FadeOptions &options);

    void closing()
    {
        endRuns();
        StreamedWriter::closing();
    }

    void lineBreak(WaveHeight) { m_out.append(u"\n"); }

private:
    friend TaggedRunWriter<PangoWriter>;
    static constexpr qsizetype LongestTags = 48;
    static constexpr qsizetype LongestEscape = 6;
    static constexpr QStringView RunEnd = u"</span>";

    static void openRun(MarkupBuffer::Cursor &cursor, ColorValue color)
    {
        cursor << u"<span foreground=\"#";
        cursor.hex6(color, LowerHexPairs) << u"\">";
    }

    static void writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave)
    {
        WaveStart(cursor, wave);
        cursor.escaped(letter, escape);
        WaveEnd(cursor, wave);
    }

    static QStringView escape(char16_t c) { return c == u'\'' ? u"&apos;" : HtmlEscape(c); }
};
