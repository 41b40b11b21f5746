#pragma once

#include "engine/formats/StreamedWriter.h"

// BBCode for forums: each letter alone in a colour tag, so a bracket of the message can never
// join the letters after it into a tag of its own; bold, italic, underline, face and size as
// tags around them. Forums have no raised or lowered text, so the waving is left out.
class BBCodeWriter : public StreamedWriter
{
public:
    BBCodeWriter(MarkupBuffer &out, const FadeOptions &options);

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags);
        cursor << u"[color=#";
        cursor.hex6(color) << u"]" << letter << u"[/color]";
    }

    // Without colour tags, an empty tag pair after each opening bracket keeps it from starting a
    // tag.
    void plainLetter(QStringView letter, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestTags);
        cursor << letter;
        if (letter == u"[")
            cursor << u"[b][/b]";
    }

    void lineBreak(WaveHeight) { m_out.append(u"\n"); }

private:
    static constexpr qsizetype LongestTags = 24;
};
