#pragma once

#include "engine/formats/StreamedWriter.h"

#include <optional>

// The index 0..98 of the colour of IRC's 99-colour palette nearest to a colour, by squared
// distance in sRGB, ties going to the lower index (so white is 00, never 98).
int IrcColorIndex(ColorValue color);
// The colour of an entry of the 99-colour palette (0..98).
Rgb IrcPaletteColor(int index);

// The reason a message cannot be written for IRC, if it cannot: IRC has no escape for its
// formatting characters (bold, colour, reset and the others), and a CTCP mark or NUL would end
// or change the line.
std::optional<QString> IrcProblem(QStringView message);

// IRC text: each line of the message is one line to send, opening with bold, italics and
// underline (which stay on to the line's end) and each run of letters of one palette colour
// behind "\x03NN", always two digits so a digit of the message never joins the code. With hex,
// "\x04RRGGBB" follows each palette code for the clients that show any colour, and a run is a
// run of one exact colour. A comma right after a code would start a background colour, so a
// bold pair, which shows nothing, stands between them. IRC has no face, size or raised
// letters, so those are left out.
class IrcWriter : public StreamedWriter
{
public:
    IrcWriter(MarkupBuffer &out, const FadeOptions &options, bool hex);

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestCode + m_style.size());
        const bool lineStart = startLine(cursor);
        const int index = paletteIndex(color);
        const ColorValue run = m_hex ? color : ColorValue(index);
        if (lineStart || run != m_run) {
            const char16_t code[] = {u'\x03', char16_t(u'0' + index / 10),
                                     char16_t(u'0' + index % 10)};
            cursor << QStringView(code, 3);
            if (m_hex) {
                cursor << u"\x04";
                cursor.hex6(color);
            }
            if (letter.startsWith(u','))
                cursor << u"\x02\x02";
            m_run = run;
        }
        cursor << letter;
    }

    void plainLetter(QStringView letter, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, m_style.size());
        startLine(cursor);
        cursor << letter;
    }

    void lineBreak(WaveHeight)
    {
        m_out.append(u"\n");
        m_lineStarts = true;
    }

private:
    static constexpr qsizetype LongestCode = 14;

    // Writes the style at the start of a line; says whether this letter starts one.
    bool startLine(MarkupBuffer::Cursor &cursor)
    {
        if (!m_lineStarts)
            return false;
        cursor << m_style;
        m_lineStarts = false;
        return true;
    }

    // The palette index of the previous letter's colour, which the next letter most often shares.
    int paletteIndex(ColorValue color)
    {
        if (color != m_indexedColor) {
            m_indexedColor = color;
            m_index = IrcColorIndex(color);
        }
        return m_index;
    }

    const bool m_hex;
    const QString m_style;
    ColorValue m_run = 0;
    bool m_lineStarts = true;
    ColorValue m_indexedColor = -1;
    int m_index = 0;
};
