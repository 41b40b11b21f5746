#pragma once

#include "engine/formats/StreamedWriter.h"

// Pango markup for status bars and desktop widgets: each run of letters of one colour in a
// span with its foreground, bold, italic and underline as b, i and u around them all, raised
// and lowered letters in sup and sub, and the characters that Pango reads as markup (& < > " ')
// written as entities. Line breaks stay line breaks. The bar sets its own face and size, so
// those are left out.
class PangoWriter : public StreamedWriter
{
public:
    PangoWriter(MarkupBuffer &out, const FadeOptions &options);

    void closing()
    {
        if (m_inRun)
            m_out.append(u"</span>");
        StreamedWriter::closing();
    }

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, 6);
        if (!m_inRun || color != m_runColor) {
            if (m_inRun)
                cursor << u"</span>";
            cursor << u"<span foreground=\"#";
            cursor.hex6(color, LowerHexPairs) << u"\">";
            m_inRun = true;
            m_runColor = color;
        }
        writeLetter(cursor, letter, wave);
    }

    void plainLetter(QStringView letter, WaveHeight wave)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, 6);
        writeLetter(cursor, letter, wave);
    }

    void lineBreak(WaveHeight) { m_out.append(u"\n"); }

private:
    static constexpr qsizetype LongestTags = 48;

    static void writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave)
    {
        WaveStart(cursor, wave);
        cursor.escaped(letter, escape);
        WaveEnd(cursor, wave);
    }

    static QStringView escape(char16_t c)
    {
        switch (c) {
        case u'&':
            return u"&amp;";
        case u'<':
            return u"&lt;";
        case u'>':
            return u"&gt;";
        case u'"':
            return u"&quot;";
        case u'\'':
            return u"&apos;";
        default:
            return {};
        }
    }

    ColorValue m_runColor = 0;
    bool m_inRun = false;
};
