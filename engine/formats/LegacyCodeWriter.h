#pragma once

#include "engine/formats/StreamedWriter.h"

#include <optional>

// The three ways the game's servers and clients take colour codes in plain chat text: "&#rrggbb"
// as server plugins translate it, "&x&r&r&g&g&b&b" as they translate the older hex form, and the
// client's own "§x§r§r§g§g§b§b". Hex digits are lower case, as the client itself writes them.
enum class LegacyCodes { AmpHex, AmpX, Section };

// The reason a message cannot be written in the given codes, if it cannot: the client reads
// every "§" as the start of a code and never shows one, and neither do servers that hand the
// translated text on to it.
std::optional<QString> LegacyCodeProblem(QStringView message, LegacyCodes codes);

// Game chat text in colour codes: one colour code for each run of letters of one colour, bold,
// italic and underline ("l", "o", "n") after every colour code, since a colour code resets them.
// These formats have no escape: a letter that is the code mark ("&" or "§") is kept from forming
// a code with what follows by writing the colour code again before the next letter, since a
// mark followed by a mark is no code. Line breaks stay line breaks, and the colour is given
// again after them. Game chat has no face, size or raised letters, so those are left out.
class LegacyCodeWriter : public StreamedWriter
{
public:
    LegacyCodeWriter(MarkupBuffer &out, const FadeOptions &options, LegacyCodes codes);

    void letter(QStringView letter, ColorValue color, WaveHeight)
    {
        color = spacedColor(color);
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestCode + m_style.size());
        if (m_restate || color != m_runColor) {
            writeColor(cursor, color);
            cursor << m_style;
            m_runColor = color;
        }
        cursor << letter;
        m_restate = letter.endsWith(m_mark);
    }

    // Without colour codes, a reset keeps a mark of the message from forming a code; the style
    // follows it, at the start and after each line break.
    void plainLetter(QStringView letter, WaveHeight)
    {
        MarkupBuffer::Cursor cursor = letterCursor(letter, LongestCode + m_style.size());
        if (m_afterMark)
            cursor << m_reset;
        if (m_restate || m_afterMark)
            cursor << m_style;
        cursor << letter;
        m_afterMark = letter.endsWith(m_mark);
        m_restate = false;
    }

    void lineBreak(WaveHeight)
    {
        m_out.append(u"\n");
        m_restate = true;
        m_afterMark = false;
    }

private:
    static constexpr qsizetype LongestCode = 14;

    void writeColor(MarkupBuffer::Cursor &cursor, ColorValue color) const;

    const LegacyCodes m_codes;
    const QChar m_mark;
    const QString m_reset;
    const QString m_style;
    ColorValue m_runColor = 0;
    bool m_restate = true;
    bool m_afterMark = false;
};
