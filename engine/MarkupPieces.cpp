#include "engine/MarkupPieces.h"

#include "engine/Letters.h"

#include <algorithm>

std::optional<int> FontSizeNumber(const QString &size)
{
    bool isNumber = false;
    const int number = size.toInt(&isNumber);
    if (!isNumber || size.isEmpty() || size.front().isSpace() || size.back().isSpace())
        return std::nullopt;
    if (size.front() == u'+' || size.front() == u'-')
        return std::clamp(3 + number, 1, 7);
    if (number < 1 || number > 7)
        return std::nullopt;
    return number;
}

void MarkupOpening(MarkupBuffer &out, const FadeOptions &options, MarkupDialect dialect)
{
    out.ensureRoom(FramingLength(options));
    MarkupBuffer::Cursor cursor(out);
    if (dialect == MarkupDialect::ChatLine) {
        if (options.bold)
            cursor << u"<FONT FACE=\"" << options.fontFace << u"\"><B>";
        return;
    }
    cursor << u"<FONT FACE=\"" << options.fontFace << u"\" SIZE=" << options.fontSize << u">";
    if (options.bold)
        cursor << u"<B>";
    if (options.italic)
        cursor << u"<I>";
    if (options.underline)
        cursor << u"<U>";
}

void MarkupClosing(MarkupBuffer &out, const FadeOptions &options, MarkupDialect dialect)
{
    if (dialect == MarkupDialect::ChatLine)
        return;
    out.ensureRoom(FramingLength(options));
    MarkupBuffer::Cursor cursor(out);
    if (options.bold)
        cursor << u"</B>";
    if (options.italic)
        cursor << u"</I>";
    if (options.underline)
        cursor << u"</U>";
    cursor << u"</FONT>";
}

QString NoFadeText(const QString &message, const Letters &letters, const FadeOptions &options,
                   MarkupDialect dialect, MarkupBuffer &out)
{
    if (!options.waving)
        return message;

    // Here a tag covers one letter and is closed in front of the next one, and line breaks do
    // not move the phase, so a last raised or lowered letter leaves its tag open.
    static constexpr QStringView tagOfPhase[] = {u"<sup>", u"</sup>", u"<sub>", u"</sub>"};
    constexpr qsizetype longestTag = 6;
    out.startGrowing(FramingLength(options) + message.size() + longestTag * letters.size());
    MarkupOpening(out, options, dialect);
    int wavePhase = 1;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        const QStringView letter = *next;
        if (isCarriageReturn(letter)) {
            out.append(LineBreak);
            if (!next.isLast())
                ++next;
            continue;
        }
        out.ensureRoom(longestTag + letter.size());
        MarkupBuffer::Cursor(out) << tagOfPhase[wavePhase - 1] << letter;
        wavePhase = wavePhase % 4 + 1;
    }
    MarkupClosing(out, options, dialect);
    return out.text();
}
