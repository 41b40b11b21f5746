#pragma once

#include "engine/Budget.h"
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
    // In the formats that write one code per run of one colour (WritesRuns), a code starts only
    // every this many letters, each run taking the colour of its first letter; others ignore it.
    int every = 1;
    // The length limit the markup is counted against, if any. Over it, IRC text to be split is
    // sent as several lines within it; other markup is kept whole, and the result names the
    // smallest spacing of codes that fits.
    std::optional<Budget> budget {};
    // Keep the colour of every letter in the result, to write the same fade in other formats.
    bool keepColors = false;
    // Composed in the chat window, in whatever format: no count is asked (segments are seven
    // letters long), no progress shown, and pure white never sent, as for the chat line.
    bool chatWindow = false;
    // The colours Stops Fade runs through, MinimumStops to MaximumStops of them; with fewer it
    // runs from colour 1 to colour 2, and stops beyond the last allowed are left out.
    QList<Rgb> stops = {};
};

// Whether the format writes one code for each run of letters of one colour, rather than one for
// each letter.
bool WritesRuns(OutputFormat format);

struct FadeResult
{
    enum class Status { Done, Refused, Cancelled };

    Status status = Status::Done;
    // What the output box shows afterwards (the markup when done); none leaves it as it was.
    std::optional<QString> output {};
    // A message box to show before the output box changes.
    std::optional<Notice> notice {};
    // The colour of the last turn of a colour mode.
    std::optional<ColorValue> lastColor {};
    // The markup's length against the request's budget, when it has one.
    std::optional<BudgetCount> budgetCount {};
    // Over budget in a format of runs: the smallest every that fits, 0 when none does.
    std::optional<int> fittingEvery {};
    // The colour of every letter of a colour mode, when the request keeps them.
    QList<ColorValue> letterColors {};
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
// format but the page on in blocks as it is written; the result holds what is left. A request
// with a budget should not stream, as the markup is counted, and may be split, when whole.
FadeResult GenerateFade(const FadeRequest &request, FadeHost &host, SegmentState &segments,
                        RandomSource &random, MarkupBuffer &buffer);

// Writes the message of the request in its format with the given colour for each letter, as
// a fade that gave them writes it, asking and drawing nothing; no colours write "No Fade".
QString WriteFadeAs(const FadeRequest &request, const QList<ColorValue> &colors);
