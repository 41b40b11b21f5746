#pragma once

#include "engine/formats/StreamedWriter.h"

// The colours a terminal shows: any of 24-bit colour, or the nearest of the 256 that older
// terminals know.
enum class TerminalColors { TrueColor, Palette256 };

// The index of the colour of the 256-colour palette nearest to a colour: one of its 6 × 6 × 6
// cube or of its 24 greys.
int Palette256Index(ColorValue color);

// Terminal text: each letter behind the escape sequence that sets its colour, bold, italic and
// underline set at the start of every line, and every attribute reset before each line break
// and at the end. A terminal has no face, size or raised letters, so those are left out.
class AnsiWriter : public StreamedWriter
{
public:
    AnsiWriter(MarkupBuffer &out, const FadeOptions &options, TerminalColors colors);

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags);
        if (m_colors == TerminalColors::Palette256) {
            cursor << u"\x1b[38;5;";
            cursor.decimal(Palette256Index(color), u'm');
        } else {
            cursor << u"\x1b[38;2;";
            cursor.decimal(color & 0xFF, u';').decimal((color >> 8) & 0xFF, u';');
            cursor.decimal((color >> 16) & 0xFF, u'm');
        }
        cursor << letter;
    }

    void plainLetter(QStringView letter, WaveHeight) { m_out.append(letter); }

    void lineBreak(WaveHeight)
    {
        m_out.append(Reset);
        m_out.append(u"\n");
        m_out.append(m_style);
    }

private:
    static constexpr qsizetype LongestTags = 20;
    static constexpr QStringView Reset = u"\x1b[0m";

    const TerminalColors m_colors;
    const QString m_style;
};
