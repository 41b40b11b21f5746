#pragma once

#include "engine/formats/StreamedWriter.h"

#include <QList>

#include <utility>
#include <vector>

// A Rich Text document for word processors and mail: the face in the font table, each colour
// once in the colour table, "\cfN" before each run of letters of one colour, bold, italic,
// underline and size at the start, raised and lowered letters in groups of their own, and
// "\", "{" and "}" escaped; every character beyond ASCII is "\uN?", one for each UTF-16 unit,
// as RTF counts them, negative above 32767. The colour table comes before the text, so the
// text is kept in a buffer of its own until the closing and written whole.
class RtfWriter : public StreamedWriter
{
public:
    RtfWriter(MarkupBuffer &out, const FadeOptions &options);

    void start(qsizetype letterCount, qsizetype messageLength);
    void opening() { }
    void closing();

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        color = spacedColor(color);
        m_body.ensureRoom(LongestColorCode + LongestWaveTags + LongestEscape * letter.size());
        MarkupBuffer::Cursor cursor(m_body);
        if (!m_inRun || color != m_runColor) {
            cursor << u"\\cf";
            writeNumber(cursor, colorIndex(color));
            cursor << u" ";
            m_inRun = true;
            m_runColor = color;
        }
        if (wave == WaveHeight::Level && letter.size() == 1 && isPlain(letter.front().unicode()))
            cursor << letter;
        else
            writeLetter(cursor, letter, wave);
    }

    void plainLetter(QStringView letter, WaveHeight wave)
    {
        m_body.ensureRoom(LongestWaveTags + LongestEscape * letter.size());
        MarkupBuffer::Cursor cursor(m_body);
        writeLetter(cursor, letter, wave);
    }

    void lineBreak(WaveHeight) { m_body.append(u"\\par\n"); }

private:
    static constexpr qsizetype LongestColorCode = 16; // \cf, up to 11 digits and a space
    static constexpr qsizetype LongestWaveTags = 9; // {\super and }
    static constexpr qsizetype LongestEscape = 9; // \u-32768?
    static constexpr qsizetype LongestColorEntry = 32; // \red255\green255\blue255;
    static constexpr std::size_t FirstSlots = 512;

    // An ASCII character that RTF takes as it is.
    static bool isPlain(char16_t unit)
    {
        return unit >= 0x20 && unit <= 0x7F && unit != u'\\' && unit != u'{' && unit != u'}';
    }
    static void writeNumber(MarkupBuffer::Cursor &cursor, int number);
    static void writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave);
    int colorIndex(ColorValue color);
    void growSlots();

    const FadeOptions m_options;
    MarkupBuffer m_body;
    // The colour table's index of each colour in it, from 1 (0 is the text's own colour), found
    // by open addressing: a fade brings a new colour every few letters, which a general hash
    // table makes the dearest part of the writing.
    std::vector<std::pair<ColorValue, int>> m_slots;
    QList<ColorValue> m_colors;
    ColorValue m_runColor = 0;
    bool m_inRun = false;
};
