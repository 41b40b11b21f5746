#include "engine/formats/ShownTurns.h"

#include "engine/Letters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// Collects turns: text read since the last tag is one letter in a colour, or, without one, as
// many letters as it holds. In formats of runs a colour holds for every letter until the next.
class TurnCollector
{
public:
    explicit TurnCollector(bool runs = false)
        : m_runs(runs)
    { }

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
    void clearColor()
    {
        flush();
        m_color.reset();
    }
    void flush()
    {
        if (m_color && !m_runs) {
            m_turns.append({m_color, m_pending, m_wave});
        } else {
            for (const QStringView letter : Letters(m_pending))
                m_turns.append({m_color, letter.toString(), m_wave});
        }
        m_pending.clear();
        if (!m_runs)
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
    const bool m_runs;
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

// Pango markup: XML whose spans set a foreground for the letters in them, sup and sub raising
// and lowering them.
std::optional<QList<ShownTurn>> readPango(const QString &markup)
{
    QXmlStreamReader xml(u"<markup>"_s + markup + u"</markup>"_s);
    TurnCollector turns(true);
    static const QRegularExpression color(u"^#([0-9a-f]{6})$"_s);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            const QStringList lines = xml.text().toString().split(u'\n');
            for (qsizetype line = 0; line < lines.size(); ++line) {
                if (line > 0)
                    turns.lineBreak();
                turns.text(lines[line]);
            }
        } else if (xml.name() == u"sup" || xml.name() == u"sub") {
            const bool start = token == QXmlStreamReader::StartElement;
            turns.wave(!start                     ? WaveHeight::Level
                           : xml.name() == u"sup" ? WaveHeight::Raised
                                                  : WaveHeight::Lowered);
        } else if (xml.name() == u"span") {
            const auto match = color.match(xml.attributes().value(u"foreground"_s));
            if (token == QXmlStreamReader::StartElement && match.hasMatch())
                turns.color(ColorOfHex6(match.capturedView(1)));
            else
                turns.clearColor();
        } else {
            turns.flush();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return turns.turns();
}

// The content of a Matrix message event: m.text with HTML whose font tags give the same colour
// as color and data-mx-color, and a plain body that holds the same letters.
std::optional<QList<ShownTurn>> readMatrix(const QString &markup)
{
    QJsonParseError error;
    const QJsonObject event = QJsonDocument::fromJson(markup.toUtf8(), &error).object();
    const QStringList keys = {u"body"_s, u"format"_s, u"formatted_body"_s, u"msgtype"_s};
    if (error.error != QJsonParseError::NoError || event.keys() != keys ||
        event[u"msgtype"_s] != u"m.text"_s || event[u"format"_s] != u"org.matrix.custom.html"_s)
        return std::nullopt;
    QXmlStreamReader xml(u"<p>"_s +
                         event[u"formatted_body"_s].toString().replace(u"<br>"_s, u"<br/>"_s) +
                         u"</p>"_s);
    TurnCollector turns(true);
    static const QRegularExpression color(u"^#([0-9a-f]{6})$"_s);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const bool start = token == QXmlStreamReader::StartElement;
        if (token == QXmlStreamReader::Characters) {
            turns.text(xml.text());
        } else if (start && xml.name() == u"br") {
            turns.lineBreak();
        } else if (xml.name() == u"sup" || xml.name() == u"sub") {
            turns.wave(!start                     ? WaveHeight::Level
                           : xml.name() == u"sup" ? WaveHeight::Raised
                                                  : WaveHeight::Lowered);
        } else if (start && xml.name() == u"font") {
            const auto match = color.match(xml.attributes().value(u"color"_s));
            if (!match.hasMatch() ||
                xml.attributes().value(u"data-mx-color"_s) != match.capturedView())
                return std::nullopt;
            turns.color(ColorOfHex6(match.capturedView(1)));
        } else if (xml.name() == u"font") {
            turns.clearColor();
        } else {
            turns.flush();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    const QList<ShownTurn> shown = turns.turns();
    QString body;
    for (const ShownTurn &turn : shown)
        body += turn.letter.isEmpty() ? u"\n"_s : turn.letter;
    if (body != event[u"body"_s].toString())
        return std::nullopt;
    return shown;
}

// Rich Text: groups keep the colour and raising set in them; \cfN picks an entry of the colour
// table, \super and \sub raise and lower, \par breaks the line, \uN is a UTF-16 unit (negative
// above 32767) followed by one fallback character to skip, and \\, \{ and \} stand for
// themselves. The font and colour tables are read as tables, not text.
std::optional<QList<ShownTurn>> readRtf(const QString &markup)
{
    static const QRegularExpression tokens(
        uR"(\\([a-z]+)(-?\d+)? ?|\\([\\{}])|([{}])|(\n)|([^\\{}\n]+))"_s);
    struct Group
    {
        std::optional<ColorValue> color;
        WaveHeight wave = WaveHeight::Level;
        QString table; // "fonttbl" or "colortbl" inside those tables
    };
    QList<Group> groups;
    QList<ColorValue> table;
    Rgb entry;
    TurnCollector turns(true);
    bool skipFallback = false;
    const auto show = [&](const Group &group) {
        group.color ? turns.color(*group.color) : turns.clearColor();
        turns.wave(group.wave);
    };
    for (const QRegularExpressionMatch &match : tokens.globalMatch(markup)) {
        if (match.hasCaptured(4)) {
            if (match.capturedView(4) == u"{")
                groups.append(groups.isEmpty() ? Group() : groups.last());
            else if (groups.isEmpty())
                return std::nullopt;
            else
                groups.removeLast();
            if (!groups.isEmpty())
                show(groups.last());
            continue;
        }
        if (groups.isEmpty())
            return std::nullopt;
        Group &group = groups.last();
        if (match.hasCaptured(1)) {
            const QStringView word = match.capturedView(1);
            const int value = match.capturedView(2).toInt();
            if (word == u"fonttbl" || word == u"colortbl")
                group.table = word.toString();
            else if (word == u"red" || word == u"green" || word == u"blue")
                (word == u"red" ? entry.red : word == u"green" ? entry.green : entry.blue) = value;
            else if (word == u"cf" && value > 0 && value < table.size())
                group.color = table[value];
            else if (word == u"cf")
                return std::nullopt;
            else if (word == u"super" || word == u"sub")
                group.wave = word == u"super" ? WaveHeight::Raised : WaveHeight::Lowered;
            else if (word == u"par")
                turns.lineBreak();
            else if (word == u"u" && group.table.isEmpty())
                turns.text(QString(QChar(char16_t(value < 0 ? value + 65536 : value))));
            skipFallback = word == u"u";
            if (word == u"cf" || word == u"super" || word == u"sub")
                show(group);
            continue;
        }
        QString text = match.hasCaptured(3) ? match.captured(3) : match.captured(6);
        if (skipFallback && !text.isEmpty())
            text.remove(0, 1);
        skipFallback = false;
        if (group.table == u"colortbl") {
            for (qsizetype end = text.count(u';'); end > 0; --end) {
                table.append(RGB(entry)); // the first, empty, is the text's own colour
                entry = {};
            }
        } else if (group.table.isEmpty() && !match.hasCaptured(5)) {
            turns.text(text);
        }
    }
    return groups.isEmpty() ? std::optional(turns.turns()) : std::nullopt;
}

// Reads text between tags that pattern matches, each match handed to tag.
template<typename Tag>
std::optional<QList<ShownTurn>> readTagged(const QString &markup, const QRegularExpression &pattern,
                                           Tag &&tag, bool runs = false)
{
    TurnCollector turns(runs);
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

// Colour codes as servers and the client read them: the mark, then "#" and six hex digits (the
// plugins' form), "x" and six more marks each with a hex digit, a style code k-o, or r for a
// reset. The client drops a section sign and the character after it whatever that is; plugins
// leave an ampersand that starts no code as it is.
std::optional<QList<ShownTurn>> readLegacyCodes(const QString &markup, QChar mark)
{
    static const QRegularExpression hexCode(u"^#([0-9a-fA-F]{6})"_s);
    const QRegularExpression xCode(
        u"^[xX]"_s +
        QString(u"%1([0-9a-fA-F])"_s.arg(QRegularExpression::escape(mark))).repeated(6));
    TurnCollector turns(true);
    for (qsizetype at = 0; at < markup.size(); ++at) {
        const QChar c = markup[at];
        if (c == u'\n') {
            turns.lineBreak();
            continue;
        }
        if (c != mark) {
            turns.text(QStringView(&c, 1));
            continue;
        }
        const QStringView rest = QStringView(markup).sliced(at + 1);
        if (const auto hex = hexCode.match(rest); hex.hasMatch() && mark == u'&') {
            turns.color(ColorOfHex6(hex.capturedView(1)));
            at += 7;
        } else if (const auto x = xCode.match(rest); x.hasMatch()) {
            QString digits;
            for (int digit = 1; digit <= 6; ++digit)
                digits += x.capturedView(digit);
            turns.color(ColorOfHex6(digits));
            at += 13;
        } else if (!rest.isEmpty() && QStringView(u"klmnoKLMNO").contains(rest.front())) {
            turns.flush();
            ++at;
        } else if (!rest.isEmpty() && (rest.front() == u'r' || rest.front() == u'R')) {
            turns.clearColor();
            ++at;
        } else if (!rest.isEmpty() &&
                   QStringView(u"0123456789abcdefABCDEF").contains(rest.front())) {
            return std::nullopt; // the sixteen named colours are no colours of a fade
        } else if (mark == u'§') {
            ++at;
        } else {
            turns.text(QStringView(&c, 1));
        }
    }
    return turns.turns();
}

// JSON text components: an array of an empty text, then objects with a text, at most a colour
// "#rrggbb" and the style flags; a line break is a line feed in a text.
std::optional<QList<ShownTurn>> readTextComponents(const QString &markup)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(markup.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray components = document.array();
    if (components.isEmpty() || components.first() != QJsonValue(u""_s))
        return std::nullopt;
    static const QRegularExpression color(u"^#([0-9a-f]{6})$"_s);
    static const QStringList keys = {u"text"_s, u"color"_s, u"bold"_s, u"italic"_s,
                                     u"underlined"_s};
    TurnCollector turns(true);
    for (qsizetype index = 1; index < components.size(); ++index) {
        const QJsonObject component = components[index].toObject();
        if (!component[u"text"_s].isString() ||
            std::ranges::any_of(component.keys(),
                                [](const QString &key) { return !keys.contains(key); }))
            return std::nullopt;
        if (component.contains(u"color"_s)) {
            const auto match = color.match(component[u"color"_s].toString());
            if (!match.hasMatch())
                return std::nullopt;
            turns.color(ColorOfHex6(match.capturedView(1)));
        } else {
            turns.clearColor();
        }
        const QStringList lines = component[u"text"_s].toString().split(u'\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0)
                turns.lineBreak();
            turns.text(lines[line]);
        }
    }
    return turns.turns();
}

// IRC formatting as clients read it: bold, italics, underline, strikethrough, monospace and
// reverse toggle; 0x0F resets; 0x03 takes up to two digits of a colour (99 the default, none
// none), then a background after a comma only when a digit follows it; 0x04 takes six hex
// digits of a colour. Every line is a message of its own, starting without formatting.
std::optional<QList<ShownTurn>> readIrc(const QString &markup)
{
    static const QRegularExpression codes(
        u"[\\x02\\x1d\\x1f\\x1e\\x11\\x16\\x0f\\n]|\\x03(?:(\\d\\d?)(?:,\\d\\d?)?)?|\\x04(?:([0-9a-fA-F]{6})(?:,[0-9a-fA-F]{6})?)?"_s);
    return readTagged(
        markup, codes,
        [](const QRegularExpressionMatch &match, TurnCollector &turns) {
            const QStringView found = match.capturedView();
            if (found == u"\n") {
                turns.lineBreak();
                turns.clearColor();
            } else if (match.hasCaptured(2)) {
                turns.color(ColorOfHex6(match.capturedView(2)));
            } else if (match.hasCaptured(1) && match.capturedView(1).toInt() != 99) {
                turns.color(match.capturedView(1).toInt());
            } else if (found.startsWith(u'\x03') || found.startsWith(u'\x04') || found == u"\x0f") {
                turns.clearColor();
            } else {
                turns.flush();
            }
            return true;
        },
        true);
}

// A Discord message holding one "ansi" code block, fences on lines of their own and no three
// backticks inside; SGR 0 resets, 30..37 colour, 1 and 4 are bold and underline.
std::optional<QList<ShownTurn>> readDiscord(const QString &markup)
{
    static const QString open = u"```ansi\n"_s, close = u"\n```"_s;
    if (!markup.startsWith(open) || !markup.endsWith(close) ||
        markup.size() < open.size() + close.size())
        return std::nullopt;
    const QString block = markup.sliced(open.size(), markup.size() - open.size() - close.size());
    if (block.contains(u"```"_s))
        return std::nullopt;
    static const QRegularExpression codes(u"\\x1b\\[([0-9;]*)m|\\n"_s);
    return readTagged(
        block, codes,
        [](const QRegularExpressionMatch &match, TurnCollector &turns) {
            if (match.capturedView() == u"\n") {
                turns.lineBreak();
                return true;
            }
            for (const QStringView parameter : match.capturedView(1).split(u';')) {
                const int code = parameter.toInt();
                if (code >= 30 && code <= 37)
                    turns.color(code);
                else if (code == 0)
                    turns.clearColor();
                else if (code == 1 || code == 4)
                    turns.flush();
                else
                    return false;
            }
            return true;
        },
        true);
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
    case OutputFormat::AmpHex:
    case OutputFormat::AmpX:
        return readLegacyCodes(markup, u'&');
    case OutputFormat::Section:
        return readLegacyCodes(markup, u'§');
    case OutputFormat::TextComponents:
        return readTextComponents(markup);
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
        return readIrc(markup);
    case OutputFormat::Discord:
        return readDiscord(markup);
    case OutputFormat::Pango:
        return readPango(markup);
    case OutputFormat::Matrix:
        return readMatrix(markup);
    case OutputFormat::Rtf:
        return readRtf(markup);
    default:
        return readHtml(markup);
    }
}
