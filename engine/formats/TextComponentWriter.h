#pragma once

#include "engine/formats/StreamedWriter.h"

#include <array>

// The escape of a character in a JSON string: the quote, the backslash, every control
// character and the line and paragraph separators, which JavaScript readers of JSON take for
// line ends; null for any other character.
QStringView JsonEscape(char16_t c);

// The game's JSON text components, for /tellraw, server lists and configs: an array that opens
// with an empty text, then one component for each run of letters of one colour, its colour as
// "#rrggbb" and bold, italic and underline as flags. The colour and flags come before the text,
// so a run streams out before its end is known. Line breaks are "\n" in the text. Game text has
// no face, size or raised letters, so those are left out.
class TextComponentWriter : public StreamedWriter
{
public:
    TextComponentWriter(MarkupBuffer &out, const FadeOptions &options);

    void opening() { m_out.append(u"[\"\""); }

    void closing()
    {
        if (m_inRun)
            m_out.append(u"\"}");
        m_out.append(u"]");
    }

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags + m_colorTail.size(), 6);
        if (!m_inRun || !m_colored || color != m_runColor) {
            if (m_inRun)
                cursor << u"\"}";
            cursor << u",{\"color\":\"#";
            cursor.hex6(color, LowerHexPairs) << m_colorTail;
            m_inRun = m_colored = true;
            m_runColor = color;
        }
        cursor.escaped(letter, JsonEscape);
    }

    void plainLetter(QStringView letter, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags + m_colorTail.size(), 6);
        openPlainRun(cursor);
        cursor.escaped(letter, JsonEscape);
    }

    // A line break continues the run it falls in.
    void lineBreak(WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor({}, LongestTags + m_colorTail.size());
        openPlainRun(cursor);
        cursor << u"\\n";
    }

private:
    static constexpr qsizetype LongestTags = 20;

    // A run without colour, for "No Fade" and for a line break before the first letter.
    void openPlainRun(MarkupBuffer::Cursor &cursor)
    {
        if (!m_inRun)
            cursor << m_plainStart;
        m_inRun = true;
    }

    const QString m_colorTail; // the flags and the start of the text, after the colour
    const QString m_plainStart;
    ColorValue m_runColor = 0;
    bool m_inRun = false;
    bool m_colored = false;
};
