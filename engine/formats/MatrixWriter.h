#pragma once

#include "engine/formats/TaggedRunWriter.h"

// The content of a Matrix m.room.message event, as JSON ready for a bot or curl: the letters
// as HTML in formatted_body, each run of one colour in a font tag with both its colour and the
// data-mx-color that Matrix clients keep, bold, italic and underline as b, i and u around
// them, raised and lowered letters in sup and sub; and the plain message in body. The body
// comes last, so the HTML streams out while the plain text is kept. Matrix clients set their
// own face and size, so those are left out.
class MatrixWriter : public TaggedRunWriter<MatrixWriter>
{
public:
    MatrixWriter(MarkupBuffer &out, const FadeOptions &options);

    void start(qsizetype letterCount, qsizetype messageLength);
    void closing();

    void lineBreak(WaveHeight)
    {
        m_out.append(u"<br>");
        m_body.append(u"\\n");
    }

private:
    friend TaggedRunWriter<MatrixWriter>;
    static constexpr qsizetype LongestTags = 80;
    static constexpr qsizetype LongestEscape = 6; // \u001f
    static constexpr QStringView RunEnd = u"</font>";

    static void openRun(MarkupBuffer::Cursor &cursor, ColorValue color)
    {
        cursor << u"<font color=\\\"#";
        cursor.hex6(color, LowerHexPairs) << u"\\\" data-mx-color=\\\"#";
        cursor.hex6(color, LowerHexPairs) << u"\\\">";
    }

    void writeLetter(MarkupBuffer::Cursor &cursor, QStringView letter, WaveHeight wave);

    MarkupBuffer m_body; // the plain message, escaped for JSON
};
