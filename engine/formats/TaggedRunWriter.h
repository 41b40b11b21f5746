#pragma once

#include "engine/formats/StreamedWriter.h"

// A writer that sets each run of letters of one colour in a tag of its own, as a span or a font
// tag does. Format, the class that derives from it, writes a run's opening tag for its colour
// (openRun) and a letter (writeLetter), and names the closing tag (RunEnd) and the most
// characters its tags (LongestTags) and the escape of one character (LongestEscape) take.
template<typename Format> class TaggedRunWriter : public StreamedWriter
{
public:
    void letter(QStringView letter, ColorValue color, WaveHeight wave)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = cursorFor(letter);
        if (!m_inRun || color != m_runColor) {
            if (m_inRun)
                cursor << Format::RunEnd;
            format().openRun(cursor, color);
            m_inRun = true;
            m_runColor = color;
        }
        format().writeLetter(cursor, letter, wave);
    }

    void plainLetter(QStringView letter, WaveHeight wave)
    {
        MarkupBuffer::Cursor cursor = cursorFor(letter);
        format().writeLetter(cursor, letter, wave);
    }

protected:
    using StreamedWriter::StreamedWriter;

    // Closes the last run, before the tags around them all close.
    void endRuns()
    {
        if (m_inRun)
            m_out.append(Format::RunEnd);
    }

private:
    Format &format() { return static_cast<Format &>(*this); }

    MarkupBuffer::Cursor cursorFor(QStringView letter)
    {
        return letterCursor(letter, Format::LongestTags, Format::LongestEscape);
    }

    ColorValue m_runColor = 0;
    bool m_inRun = false;
};
