#include "engine/testing/ShownTurns.h"

#include "engine/AnsiWriter.h"
#include "engine/Letters.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// Collects turns: text read since the last tag is one letter in a colour, or, without one, as
// many letters as it holds.
class TurnCollector
{
public:
    void text(QStringView text) { m_pending += text; }
    void color(ColorValue color)
    {
        flush();
        m_color = color;
    }
    void wave(WaveHeight wave)
    {
        flush();
        m_wave = wave;
    }
    void lineBreak()
    {
        flush();
        m_turns.append({{}, {}, WaveHeight::Level});
    }
    void flush()
    {
        if (m_color) {
            m_turns.append({m_color, m_pending, m_wave});
        } else {
            for (const QStringView letter : Letters(m_pending))
                m_turns.append({{}, letter.toString(), m_wave});
        }
        m_pending.clear();
        m_color.reset();
    }
    QList<ShownTurn> turns()
    {
        flush();
        return m_turns;
    }

private:
    QList<ShownTurn> m_turns;
    QString m_pending;
    std::optional<ColorValue> m_color;
    WaveHeight m_wave = WaveHeight::Level;
};

std::optional<QList<ShownTurn>> readHtml(const QString &markup)
{
    QXmlStreamReader xml(u"<p>"_s + QString(markup).replace(u"<br>"_s, u"<br/>"_s) + u"</p>"_s);
    TurnCollector turns;
    static const QRegularExpression colorStyle(u"^color:#([0-9a-f]{6})$"_s);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            turns.text(xml.text());
            break;
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"br")
                turns.lineBreak();
            else if (xml.name() == u"sup" || xml.name() == u"sub")
                turns.wave(xml.name() == u"sup" ? WaveHeight::Raised : WaveHeight::Lowered);
            else if (const auto match = colorStyle.match(xml.attributes().value(u"style"_s));
                     match.hasMatch())
                turns.color(ColorOfHex6(match.capturedView(1)));
            else
                turns.flush();
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == u"sup" || xml.name() == u"sub")
                turns.wave(WaveHeight::Level);
            else
                turns.flush();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return turns.turns();
}

// Reads text between tags that pattern matches, each match handed to tag.
template<typename Tag>
std::optional<QList<ShownTurn>> readTagged(const QString &markup, const QRegularExpression &pattern,
                                           Tag &&tag)
{
    TurnCollector turns;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(markup)) {
        turns.text(QStringView(markup).sliced(at, match.capturedStart() - at));
        if (!tag(match, turns))
            return std::nullopt;
        at = match.capturedEnd();
    }
    turns.text(QStringView(markup).sliced(at));
    return turns.turns();
}

std::optional<QList<ShownTurn>> readBBCode(const QString &markup)
{
    static const QRegularExpression tags(
        uR"(\n|\[color=#([0-9A-F]{6})\]|\[/?(?:color|b|i|u|font|size)\]|\[(?:font=[^\]]*|size=[1-7])\])"_s);
    return readTagged(markup, tags, [](const QRegularExpressionMatch &match, TurnCollector &turns) {
        if (match.capturedView() == u"\n")
            turns.lineBreak();
        else if (match.hasCaptured(1))
            turns.color(ColorOfHex6(match.capturedView(1)));
        else
            turns.flush();
        return true;
    });
}

std::optional<QList<ShownTurn>> readAnsi(const QString &markup)
{
    static const QRegularExpression sequences(
        u"\x1b\\[(?:38;2;(\\d+);(\\d+);(\\d+)|38;5;(\\d+)|[0-9;]*)m|\n"_s);
    if (!markup.endsWith(u"\x1b[0m"_s))
        return std::nullopt;
    qsizetype lastReset = -1;
    return readTagged(
        markup, sequences, [&](const QRegularExpressionMatch &match, TurnCollector &turns) {
            if (match.capturedView() == u"\n") {
                turns.lineBreak();
                return lastReset == match.capturedStart(); // every line ends reset
            }
            if (match.capturedView() == u"\x1b[0m")
                lastReset = match.capturedEnd();
            if (match.hasCaptured(4))
                turns.color(match.capturedView(4).toInt());
            else if (match.hasCaptured(1))
                turns.color(RGB(match.capturedView(1).toInt(), match.capturedView(2).toInt(),
                                match.capturedView(3).toInt()));
            else
                turns.flush();
            return true;
        });
}

std::optional<QList<ShownTurn>> readMiniMessage(const QString &markup)
{
    static const QRegularExpression tags(uR"(\\[<\\]|<#([0-9a-f]{6})>|<(?:b|i|u|newline)>|<)"_s);
    return readTagged(markup, tags, [](const QRegularExpressionMatch &match, TurnCollector &turns) {
        const QStringView found = match.capturedView();
        if (found.startsWith(u'\\'))
            turns.text(found.sliced(1));
        else if (found == u"<newline>")
            turns.lineBreak();
        else if (match.hasCaptured(1))
            turns.color(ColorOfHex6(match.capturedView(1)));
        else
            turns.flush();
        return found != u"<"; // an unescaped opening that starts no tag
    });
}

} // namespace

ColorValue ColorOfHex6(QStringView hex)
{
    const Rgb rgb = SplitColor(hex.toInt(nullptr, 16));
    return RGB(rgb.blue, rgb.green, rgb.red);
}

std::optional<QList<ShownTurn>> ReadShownTurns(OutputFormat format, const QString &markup)
{
    switch (format) {
    case OutputFormat::BBCode:
        return readBBCode(markup);
    case OutputFormat::Ansi:
    case OutputFormat::Ansi256:
        return readAnsi(markup);
    case OutputFormat::MiniMessage:
        return readMiniMessage(markup);
    default:
        return readHtml(markup);
    }
}

QList<ShownTurn> ExpectedTurns(OutputFormat format, const Letters &letters,
                               const QList<ColorValue> &colors, bool waving)
{
    const bool colorMode = !colors.isEmpty();
    const bool showsWaving = waving && format == OutputFormat::Html;
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
            color = format == OutputFormat::Ansi256 ? Palette256Index(colors[shown++])
                                                    : colors[shown++];
        turns.append({color, letter.toString(), wave});
    }
    return turns;
}
