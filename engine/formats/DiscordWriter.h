#pragma once

#include "engine/formats/StreamedWriter.h"

// The SGR foreground code 30..37 whose colour, as Discord shows it in an "ansi" code block, is
// nearest to a colour, by squared distance in sRGB, ties going to the lower code.
int DiscordColorCode(ColorValue color);

// A Discord message: an "ansi" code block, its fences on lines of their own, the letters in
// runs of one of the eight colours Discord shows (SGR 30..37), bold (1) and underline (4)
// given at the start of every line, and a reset (0) before the closing fence. Discord
// shows no italics in a code block, so they are left out, as are the face, size and waving.
// Three backticks in a row would close the block: after each backtick of the message the
// colour code comes again, which shows nothing but keeps the backticks apart (a reset does in
// "No Fade").
class DiscordWriter : public StreamedWriter
{
public:
    DiscordWriter(MarkupBuffer &out, const FadeOptions &options);

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestCode);
        const int code = colorCode(color);
        if (m_restate || code != m_runCode) {
            const char16_t sgr[] = {u'\x1b', u'[', u'3', char16_t(u'0' + code - 30), u'm'};
            if (m_lineStarts)
                cursor << m_style;
            cursor << QStringView(sgr, 5);
            m_runCode = code;
        }
        cursor << letter;
        m_lineStarts = false;
        m_restate = letter.endsWith(u'`');
    }

    void plainLetter(QStringView letter, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestCode);
        if (m_restate)
            cursor << (m_style.isEmpty() && !m_lineStarts ? Reset : QStringView(m_style));
        cursor << letter;
        m_lineStarts = false;
        m_restate = letter.endsWith(u'`');
    }

    void lineBreak(WaveHeight)
    {
        m_out.append(u"\n");
        m_lineStarts = m_restate = true;
    }

private:
    static constexpr qsizetype LongestCode = 18;
    static constexpr QStringView Reset = u"\x1b[0m";

    // The code of the previous letter's colour, which the next letter most often shares.
    int colorCode(ColorValue color)
    {
        if (color != m_codedColor) {
            m_codedColor = color;
            m_code = DiscordColorCode(color);
        }
        return m_code;
    }

    const QString m_style;
    int m_runCode = 0;
    bool m_lineStarts = true;
    bool m_restate = true;
    ColorValue m_codedColor = -1;
    int m_code = 0;
};
