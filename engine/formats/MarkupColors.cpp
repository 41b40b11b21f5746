#include "engine/formats/MarkupColors.h"

#include "engine/Letters.h"
#include "engine/formats/IrcWriter.h"
#include "engine/formats/ShownTurns.h"

#include <QJsonDocument>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// Letters and turns as they are read, a colour holding until the next or until its tag closes.
class ColoredReader
{
public:
    void text(QStringView text)
    {
        for (const QStringView letter : Letters(text)) {
            m_read.message += letter;
            m_read.turnColors << m_color;
        }
    }
    void lineBreak()
    {
        m_read.message += u"\r\n"_s;
        m_read.turnColors << std::nullopt;
    }
    void color(std::optional<Rgb> color) { m_color = color; }

    std::optional<ColoredMessage> read() const
    {
        if (std::ranges::none_of(m_read.turnColors, [](const auto &c) { return c.has_value(); }))
            return std::nullopt;
        return m_read;
    }

private:
    ColoredMessage m_read;
    std::optional<Rgb> m_color;
};

Rgb rgbOfHex(QStringView hex)
{
    return SplitColor(ColorOfHex6(hex));
}

QString decodedEntity(QStringView entity)
{
    static const std::pair<QStringView, QStringView> named[] = {
        {u"amp", u"&"}, {u"lt", u"<"}, {u"gt", u">"}, {u"quot", u"\""}, {u"apos", u"'"}};
    for (const auto &[name, text] : named) {
        if (entity == name)
            return text.toString();
    }
    bool number = false;
    const uint code = entity.startsWith(u"#x", Qt::CaseInsensitive)
        ? entity.sliced(2).toUInt(&number, 16)
        : entity.sliced(1).toUInt(&number);
    if (!number || code == 0 || code > 0x10FFFF)
        return QString();
    return QStringView(QChar::fromUcs4(char32_t(code))).toString();
}

// Any of the common forms, tag by tag; what is no colour and no line break is dropped.
std::optional<ColoredMessage> readAnyForm(const QString &markup)
{
    static const QRegularExpression tokens(
        uR"((\r\n|\n|\r|<br\s*/?>|<newline>))" // 1 breaks
        uR"(|<font\b[^>]*?\bcolor\s*=\s*["']?#?([0-9a-f]{6})\b[^>]*>)" // 2
        uR"(|<span\b[^>]*?\b(?:color\s*:\s*|foreground\s*=\s*["']?)#([0-9a-f]{6})\b[^>]*>)" // 3
        uR"(|<#([0-9a-f]{6})>)" // 4
        uR"(|\[color=["']?#?([0-9a-f]{6})["']?\])" // 5
        uR"(|&#([0-9a-f]{6})(?!;))" // 6
        uR"(|[&§]x((?:[&§][0-9a-f]){6}))" // 7
        uR"(|\x03(\d\d?)(?:,\d\d?)?)" // 8
        uR"(|\x04([0-9a-f]{6})(?:,[0-9a-f]{6})?)" // 9
        uR"(|\x1b\[38;2;(\d{1,3});(\d{1,3});(\d{1,3})m)" // 10-12
        uR"(|&(#\d+|#x[0-9a-f]+|amp|lt|gt|quot|apos);)" // 13
        uR"(|(</(?:font|span)\s*>|\[/color\]|\x0f|\x03|\x1b\[0?m))" // 14
        uR"(|</?[a-z][^>]*>|\[/?(?:b|i|u|s|font|size)(?:=[^\]]*)?\]|\x1b\[[0-9;]*m|[&§][0-9a-fk-or]|[\x02\x11\x16\x1d\x1e\x1f])"_s,
        QRegularExpression::CaseInsensitiveOption);
    ColoredReader read;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : tokens.globalMatch(markup)) {
        read.text(QStringView(markup).sliced(at, match.capturedStart() - at));
        at = match.capturedEnd();
        if (match.hasCaptured(1)) {
            read.lineBreak();
        } else if (match.hasCaptured(10)) {
            const int red = match.capturedView(10).toInt(), green = match.capturedView(11).toInt(),
                      blue = match.capturedView(12).toInt();
            if (red <= 255 && green <= 255 && blue <= 255)
                read.color(Rgb {red, green, blue});
        } else if (match.hasCaptured(7)) {
            QString digits;
            for (qsizetype digit = 1; digit < 12; digit += 2)
                digits += match.capturedView(7)[digit];
            read.color(rgbOfHex(digits));
        } else if (match.hasCaptured(8)) {
            const int index = match.capturedView(8).toInt();
            read.color(index < 99 ? std::optional(IrcPaletteColor(index)) : std::nullopt);
        } else if (match.hasCaptured(13)) {
            read.text(decodedEntity(match.capturedView(13)));
        } else if (match.hasCaptured(14)) {
            read.color(std::nullopt);
        } else {
            for (const int hex : {2, 3, 4, 5, 6, 9}) {
                if (match.hasCaptured(hex))
                    read.color(rgbOfHex(match.capturedView(hex)));
            }
        }
    }
    read.text(QStringView(markup).sliced(at));
    return read.read();
}

std::optional<ColoredMessage> fromShownTurns(const std::optional<QList<ShownTurn>> &turns)
{
    if (!turns)
        return std::nullopt;
    ColoredReader read;
    for (const ShownTurn &turn : *turns) {
        if (turn.letter.isEmpty()) {
            read.lineBreak();
            continue;
        }
        read.color(turn.color ? std::optional(SplitColor(*turn.color)) : std::nullopt);
        read.text(turn.letter);
    }
    return read.read();
}

// The formats whose markup is a document of its own: JSON text components, a Matrix event,
// Rich Text.
std::optional<OutputFormat> documentFormat(const QString &markup)
{
    const QString start = markup.trimmed();
    if (start.startsWith(u"{\\rtf"_s))
        return OutputFormat::Rtf;
    if (!start.startsWith(u'[') && !start.startsWith(u'{'))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(start.toUtf8());
    if (document.isArray())
        return OutputFormat::TextComponents;
    if (document.isObject())
        return OutputFormat::Matrix;
    return std::nullopt;
}

} // namespace

std::optional<ColoredMessage> ReadColoredMessage(const QString &markup,
                                                 std::optional<OutputFormat> format)
{
    if (!format)
        format = documentFormat(markup);
    if (!format)
        return readAnyForm(markup);
    switch (*format) {
    case OutputFormat::Page:
    case OutputFormat::ChatLine:
    case OutputFormat::Irc:
    case OutputFormat::IrcHex:
        return readAnyForm(markup);
    case OutputFormat::Ansi256:
    case OutputFormat::Discord:
        return std::nullopt;
    default:
        return fromShownTurns(ReadShownTurns(*format, markup));
    }
}
