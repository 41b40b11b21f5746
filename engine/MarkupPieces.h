#pragma once

#include "engine/ColorValue.h"
#include "engine/MarkupBuffer.h"

#include <QString>
#include <QStringView>

#include <optional>

class Letters;

// The page fragment of the main window, or the shorter line the chat window posts: unquoted
// colours, letter tags left open, no size, italic, underline or closing tags.
enum class MarkupDialect { Page, ChatLine };

struct FadeOptions
{
    QString fontFace;
    QString fontSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool waving = false;

    friend bool operator==(const FadeOptions &, const FadeOptions &) = default;
};

// Where the waving effect puts a letter.
enum class WaveHeight : quint8 { Level, Raised, Lowered };

// What a turn's letter wears for the waving effect, and the phase the next turn takes.
struct WaveTags
{
    WaveHeight height = WaveHeight::Level;
    int nextPhase = 1;
};

// Phases 1..4: raised, level, lowered, level.
constexpr WaveTags WaveStep(int wavePhase)
{
    switch (wavePhase) {
    case 1:
        return {WaveHeight::Raised, 2};
    case 3:
        return {WaveHeight::Lowered, 4};
    default:
        return {WaveHeight::Level, wavePhase % 4 + 1};
    }
}

inline constexpr QStringView LineBreak = u"<br>";

// The fixed characters a letter fragment may take besides the letter: wave tags, colour tag
// and, on a page, the closing font tag.
inline constexpr qsizetype LongestLetterTags = 40;
// The characters an opening and a closing may take besides the face and size texts.
inline constexpr qsizetype LongestFraming = 48;

// The characters an opening and a closing with the options' face and size may take.
inline qsizetype FramingLength(const FadeOptions &options)
{
    return LongestFraming + options.fontFace.size() + options.fontSize.size();
}

// The font size 1..7 that a size text names: a number 1 to 7, or a step up or down from 3 as
// "+N" or "-N", kept within 1..7; none for other text.
std::optional<int> FontSizeNumber(const QString &size);

void MarkupOpening(MarkupBuffer &out, const FadeOptions &options, MarkupDialect dialect);

// The tag a raised or lowered letter opens with, and the one it closes with.
inline void WaveStart(MarkupBuffer::Cursor &cursor, WaveHeight wave)
{
    if (wave == WaveHeight::Raised)
        cursor << u"<sup>";
    else if (wave == WaveHeight::Lowered)
        cursor << u"<sub>";
}

inline void WaveEnd(MarkupBuffer::Cursor &cursor, WaveHeight wave)
{
    if (wave == WaveHeight::Raised)
        cursor << u"</sup>";
    else if (wave == WaveHeight::Lowered)
        cursor << u"</sub>";
}

inline void LetterFragment(MarkupBuffer &out, QStringView letter, ColorValue color, WaveHeight wave,
                           MarkupDialect dialect)
{
    MarkupBuffer::Cursor cursor(out);
    WaveStart(cursor, wave);
    if (dialect == MarkupDialect::ChatLine)
        cursor << u"<FONT COLOR=#";
    else
        cursor << u"<FONT COLOR=\"#";
    cursor.hex6(color);
    if (dialect == MarkupDialect::ChatLine)
        cursor << u">" << letter;
    else
        cursor << u"\">" << letter << u"</FONT>";
    WaveEnd(cursor, wave);
}

void MarkupClosing(MarkupBuffer &out, const FadeOptions &options, MarkupDialect dialect);

// The output of "No Fade" for the letters of the message: with waving off the message itself;
// with waving on, the opening, each letter behind a raise or lower tag of its own, and (on a
// page) the closing, written into out, of which it gives what a sink has not taken.
QString NoFadeText(const QString &message, const Letters &letters, const FadeOptions &options,
                   MarkupDialect dialect, MarkupBuffer &out);
