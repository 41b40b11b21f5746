#pragma once

#include "engine/StreamedWriter.h"

#include <QHash>
#include <QList>

// A Rich Text document for word processors and mail: the face in the font table, each colour
// once in the colour table, "\cfN" before each run of letters of one colour, bold, italic,
// underline and size at the start, raised and lowered letters in groups of their own, and
// "\", "{" and "}" escaped; every character beyond ASCII is "\uN?", one for each UTF-16 unit,
// as RTF counts them, negative above 32767. The colour table comes before the text, so the
// text is kept until the closing and written whole.
class RtfWriter : public StreamedWriter
{
public:
    RtfWriter(MarkupBuffer &out, const FadeOptions &options);

    void opening() { }
    void closing();

    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        color = spacedColor(color);
        if (m_body.isEmpty() || color != m_runColor) {
            m_body += QStringView(u"\\cf");
            m_body += QString::number(colorIndex(color));
            m_body += u' ';
            m_runColor = color;
        }
        plainLetter(letter, wave);
    }

    void plainLetter(QStringView letter, WaveHeight wave);

    void lineBreak(WaveHeight) { m_body += u"\\par\n"; }

private:
    int colorIndex(ColorValue color);

    const FadeOptions m_options;
    QString m_body;
    QHash<ColorValue, int> m_indexes; // from 1; 0 is the text's own colour
    QList<ColorValue> m_colors;
    ColorValue m_runColor = 0;
};
