#include "engine/MarkupPieces.h"

#include "engine/Letters.h"
#include "engine/MarkupWriter.h"

using namespace Qt::StringLiterals;

WaveTags WaveStep(int wavePhase)
{
    switch (wavePhase) {
    case 1:
        return {"<sup>"_L1, "</sup>"_L1, 2};
    case 3:
        return {"<sub>"_L1, "</sub>"_L1, 4};
    default:
        return {{}, {}, wavePhase % 4 + 1};
    }
}

void MarkupOpening(MarkupWriter &out, const FadeOptions &options, MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine) {
        if (options.bold)
            out << "<FONT FACE=\""_L1 << options.fontFace << "\"><B>"_L1;
        return;
    }
    out << "<FONT FACE=\""_L1 << options.fontFace << "\" SIZE="_L1 << options.fontSize << '>'_L1;
    if (options.bold)
        out << "<B>"_L1;
    if (options.italic)
        out << "<I>"_L1;
    if (options.underline)
        out << "<U>"_L1;
}

void LetterFragment(MarkupWriter &out, QStringView letter, ColorValue color, const WaveTags &wave,
                    MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine) {
        out << wave.start << "<FONT COLOR=#"_L1;
        out.appendHex6(color);
        out << '>'_L1 << letter << wave.end;
        return;
    }
    out << wave.start << "<FONT COLOR=\"#"_L1;
    out.appendHex6(color);
    out << "\">"_L1 << letter << "</FONT>"_L1 << wave.end;
}

void MarkupClosing(MarkupWriter &out, const FadeOptions &options, MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine)
        return;
    if (options.bold)
        out << "</B>"_L1;
    if (options.italic)
        out << "</I>"_L1;
    if (options.underline)
        out << "</U>"_L1;
    out << "</FONT>"_L1;
}

QString NoFadeText(QStringView message, const FadeOptions &options, MarkupDialect dialect)
{
    if (!options.waving)
        return message.toString();

    // Here a tag covers one letter and is closed in front of the next one, and line breaks do
    // not move the phase, so a last raised or lowered letter leaves its tag open.
    static constexpr QLatin1StringView tagOfPhase[] = {"<sup>"_L1, "</sup>"_L1, "<sub>"_L1,
                                                       "</sub>"_L1};
    const std::vector<QStringView> letters = SplitLetters(message);
    MarkupWriter out(64 + options.fontFace.size() + message.size() + 6 * qsizetype(letters.size()));
    MarkupOpening(out, options, dialect);
    int wavePhase = 1;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] == u"\r") {
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
