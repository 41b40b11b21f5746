#pragma once

#include "engine/formats/StreamedWriter.h"

// The content of a Matrix m.room.message event, as JSON ready for a bot or curl: the letters
// as HTML in formatted_body, each run of one colour in a font tag with both its colour and the
// data-mx-color that Matrix clients keep, bold, italic and underline as b, i and u around
// them, raised and lowered letters in sup and sub; and the plain message in body. The body
// comes last, so the HTML streams out while the plain text is kept. Matrix clients set their
// own face and size, so those are left out.
class MatrixWriter : public StreamedWriter
{
public:
    MatrixWriter(MarkupBuffer &out, const FadeOptions &options);

    void start(qsizetype letterCount, qsizetype messageLength);
    void closing();

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags, 6);
        if (!m_inRun || color != m_runColor) {
            if (m_inRun)
                cursor << u"</font>";
            cursor << u"<font color=\\\"#";
            cursor.hex6(color, LowerHexPairs) << u"\\\" data-mx-color=\\\"#";
            cursor.hex6(color, LowerHexPairs) << u"\\\">";
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

    void lineBreak(WaveHeight)
    {
        m_out.append(u"<br>");
        m_body.append(u"\\n");
    }

private:
    static constexpr qsizetype LongestTags = 80;
    static constexpr qsizetype JsonEscapeLength = 6; // \u001f

    void writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave);

    MarkupBuffer m_body; // the plain message, escaped for JSON
    ColorValue m_runColor = 0;
    bool m_inRun = false;
};
