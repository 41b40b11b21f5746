#pragma once

#include "engine/ColorValue.h"
#include "engine/MarkupPieces.h"
#include "engine/Notice.h"

#include <QList>
#include <QString>

#include <optional>

class FadeHost;
class RandomSource;
struct SegmentState;

// The fade modes by their index in the fade list; any other index fades nothing.
namespace FadeMode {
enum : int {
    Normal,
    Rainbow,
    Randomize,
    Repeater,
    TTintra,
    DUDadodov,
    TCRepeater,
    TWMystery,
    NoFade,
    Stops,
};
} // namespace FadeMode

inline constexpr int MaximumLetters = 1400;
// A letter may carry any number of marks, so a page also limits the UTF-16 units of the message.
inline constexpr qsizetype MaximumPageUnits = 16 * MaximumLetters;

// What a run writes: the page fragment of the main window, the chat window's line, or the same
// letters in the same colours for today's rich editors (HTML5), forums (BBCode), terminals (ANSI
// escape sequences, in 24-bit colour or the 256-colour palette) or game chat (MiniMessage, the
// colour codes of plain chat text in three forms, and JSON text components), IRC (palette codes,
// or with hex colours too), Discord (a code block of eight colours), status bars (Pango) or Matrix
// (an event's JSON).
enum class OutputFormat {
    Page,
    ChatLine,
    Html,
    BBCode,
    Ansi,
    Ansi256,
    MiniMessage,
    AmpHex,
    AmpX,
    Section,
    TextComponents,
    Irc,
    IrcHex,
    Discord,
    Pango,
    Matrix,
    Rtf,
};

// Where Normal Fade moves evenly from colour 1 toward colour 2: in the sRGB values, or in OKLab,
// where its steps look even.
enum class ColorSpace { Srgb, OkLab };

struct FadeRequest
{
    QString message; // line breaks as CR LF
    FadeOptions options;
    int fadeMode = FadeMode::Normal;
    OutputFormat format = OutputFormat::Page;
    ColorSpace space = ColorSpace::Srgb;
    // The colours Stops Fade runs through, MinimumStops to MaximumStops of them; with fewer it
    // runs from colour 1 to colour 2, and stops beyond the last allowed are left out.
    QList<Rgb> stops = {};
};

struct FadeResult
{
    enum class Status { Done, Refused, Cancelled };

    Status status = Status::Done;
    // What the output box shows afterwards (the markup when done); none leaves it as it was.
    std::optional<QString> output;
    // A message box to show before the output box changes.
    std::optional<Notice> notice;
    // The colour of the last turn of a colour mode.
    std::optional<ColorValue> lastColor;
};

// How the letter count of the segment modes was answered.
struct CountAnswer
{
    enum class Status { Accepted, Cancelled, NotANumber, NotAFadingNumber };

    Status status = Status::Accepted;
    int howMuch = 0; // count − 1, when accepted
};

// Counts are whole numbers from 2 to 500. Numeric text (spaces around, a sign, a decimal
// fraction, an exponent) that is not such a number is refused apart from other text.
CountAnswer CheckCount(const QString &answer);

// Fades the message of the request letter by letter into the request's format. Every run but a
// chat line's shows its progress through the host and asks it for the count where the mode
// needs one; only a page limits the message's length. Refusals come back in the result for the
// caller to show.
FadeResult GenerateFade(const FadeRequest &request, FadeHost &host, SegmentState &segments,
                        RandomSource &random);

// The same, written into buffer, whose storage serves run after run while no one holds the
// markup of the previous run any more. A buffer that streams to a sink hands the markup of every
// format but the page on in blocks as it is written; the result holds what is left.
FadeResult GenerateFade(const FadeRequest &request, FadeHost &host, SegmentState &segments,
                        RandomSource &random, MarkupBuffer &buffer);
