#include "engine/testing/ExpectedTurns.h"

#include "engine/Letters.h"
#include "engine/formats/AnsiWriter.h"
#include "engine/formats/DiscordWriter.h"
#include "engine/formats/IrcWriter.h"

namespace {

// The colour a format shows for a colour of the page: the index or code of the nearest colour of
// its palette, where it has one. The look-ups are pinned by values worked out by hand in the
// engine tests; here they only check that each writer uses its own.
ColorValue shownColor(OutputFormat format, ColorValue color)
{
    return format == OutputFormat::Ansi256 ? Palette256Index(color)
        : format == OutputFormat::Irc      ? IrcColorIndex(color)
        : format == OutputFormat::Discord  ? DiscordColorCode(color)
                                           : color;
}

} // namespace

QList<ShownTurn> ExpectedTurns(OutputFormat format, const Letters &letters,
                               const QList<ColorValue> &colors, bool waving)
{
    const bool colorMode = !colors.isEmpty();
    const bool showsWaving = waving &&
        (format == OutputFormat::Html || format == OutputFormat::Pango ||
         format == OutputFormat::Matrix || format == OutputFormat::Rtf);
    QList<ShownTurn> turns;
    int wavePhase = 1;
    qsizetype shown = 0;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        const QStringView letter = *next;
        const bool lineBreak = isCarriageReturn(letter);
        WaveHeight wave = WaveHeight::Level;
        if (showsWaving && (colorMode || !lineBreak)) {
            wave = WaveStep(wavePhase).height;
            wavePhase = WaveStep(wavePhase).nextPhase;
        }
        if (lineBreak) {
            turns.append({{}, {}, WaveHeight::Level});
            if (!next.isLast())
                ++next;
            continue;
        }
        std::optional<ColorValue> color;
        if (colorMode)
            color = shownColor(format, colors[shown++]);
        turns.append({color, letter.toString(), wave});
    }
    return turns;
}
