#include "engine/MarkupPieces.h"

#include "engine/Letters.h"
#include "engine/MarkupWriter.h"

WaveTags WaveStep(int wavePhase)
{
    switch (wavePhase) {
    case 1:
        return {u"<sup>", u"</sup>", 2};
    case 3:
        return {u"<sub>", u"</sub>", 4};
    default:
        return {{}, {}, wavePhase % 4 + 1};
    }
}

void MarkupOpening(MarkupWriter &out, const FadeOptions &options, MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine) {
        if (options.bold)
            out << u"<FONT FACE=\"" << options.fontFace << u"\"><B>";
        return;
    }
    out << u"<FONT FACE=\"" << options.fontFace << u"\" SIZE=" << options.fontSize << u">";
    if (options.bold)
        out << u"<B>";
    if (options.italic)
        out << u"<I>";
    if (options.underline)
        out << u"<U>";
}

void LetterFragment(MarkupWriter &out, QStringView letter, ColorValue color, const WaveTags &wave,
                    MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine) {
        out << wave.start << u"<FONT COLOR=#";
        out.appendHex6(color);
        out << u">" << letter << wave.end;
        return;
    }
    out << wave.start << u"<FONT COLOR=\"#";
    out.appendHex6(color);
    out << u"\">" << letter << u"</FONT>" << wave.end;
}

void MarkupClosing(MarkupWriter &out, const FadeOptions &options, MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine)
        return;
    if (options.bold)
        out << u"</B>";
    if (options.italic)
        out << u"</I>";
    if (options.underline)
        out << u"</U>";
    out << u"</FONT>";
}

QString NoFadeText(QStringView message, const FadeOptions &options, MarkupDialect dialect)
{
    if (!options.waving)
        return message.toString();

    // Here a tag covers one letter and is closed in front of the next one, and line breaks do
    // not move the phase, so a last raised or lowered letter leaves its tag open.
    static constexpr QStringView tagOfPhase[] = {u"<sup>", u"</sup>", u"<sub>", u"</sub>"};
    const Letters letters(message);
    MarkupWriter out(64 + options.fontFace.size() + message.size() + 6 * letters.size());
    MarkupOpening(out, options, dialect);
    int wavePhase = 1;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (isCarriageReturn(letters[i])) {
            out << LineBreak;
            ++i;
            continue;
        }
        out << tagOfPhase[wavePhase - 1] << letters[i];
        wavePhase = wavePhase % 4 + 1;
    }
    MarkupClosing(out, options, dialect);
    return out.take();
}
