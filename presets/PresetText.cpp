#include "presets/PresetText.h"

#include "engine/StopsFade.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

const QStringList ModeNames = {u"normal"_s,  u"rainbow"_s,   u"randomize"_s,  u"repeater"_s,
                               u"ttintra"_s, u"dudadodov"_s, u"tcrepeater"_s, u"twmystery"_s,
                               u"none"_s,    u"stops"_s};

const std::pair<OutputFormat, QString> FormatNames[] = {
    {OutputFormat::Page, u"classic"_s},
    {OutputFormat::ChatLine, u"chat"_s},
    {OutputFormat::Html, u"html"_s},
    {OutputFormat::BBCode, u"bbcode"_s},
    {OutputFormat::Ansi, u"ansi"_s},
    {OutputFormat::Ansi256, u"ansi256"_s},
    {OutputFormat::MiniMessage, u"minimessage"_s},
    {OutputFormat::AmpHex, u"amp-hex"_s},
    {OutputFormat::AmpX, u"amp-x"_s},
    {OutputFormat::Section, u"section"_s},
    {OutputFormat::TextComponents, u"mc-json"_s},
    {OutputFormat::Irc, u"irc"_s},
    {OutputFormat::IrcHex, u"irc-hex"_s},
    {OutputFormat::Discord, u"discord"_s},
    {OutputFormat::Pango, u"pango"_s},
    {OutputFormat::Matrix, u"matrix"_s},
    {OutputFormat::Rtf, u"rtf"_s},
};

// Stops Fade takes 2 to 10 colours, the others their three.
bool holdsRightColors(int mode, qsizetype colors)
{
    if (mode == FadeMode::Stops)
        return colors >= MinimumStops && colors <= MaximumStops;
    return colors == 3;
}

std::optional<Rgb> colorOf(const QJsonValue &value)
{
    const QString text = value.toString();
    if (text.size() != 7 || !text.startsWith(u'#'))
        return std::nullopt;
    const QColor color = QColor::fromString(text);
    if (!color.isValid())
        return std::nullopt;
    return Rgb {color.red(), color.green(), color.blue()};
}

// A key that is there must hold a value of the expected type.
bool typed(const QJsonObject &object, const QString &key, QJsonValue::Type type)
{
    return !object.contains(key) || object[key].type() == type;
}

std::optional<Preset> presetOf(const QJsonObject &object)
{
    using enum QJsonValue::Type;
    if (!typed(object, u"name"_s, String) || !typed(object, u"fade"_s, String) ||
        !typed(object, u"colors"_s, Array) || !typed(object, u"count"_s, Double) ||
        !typed(object, u"face"_s, String) || !typed(object, u"size"_s, String) ||
        !typed(object, u"format"_s, String) || !typed(object, u"space"_s, String))
        return std::nullopt;
    for (const QString &flag : {u"bold"_s, u"italic"_s, u"underline"_s, u"waving"_s}) {
        if (!typed(object, flag, Bool))
            return std::nullopt;
    }
    Preset preset;
    preset.name = object[u"name"_s].toString().trimmed();
    const std::optional<int> mode = FadeModeNamed(object[u"fade"_s].toString(u"normal"_s));
    const std::optional<OutputFormat> format =
        OutputFormatNamed(object[u"format"_s].toString(u"classic"_s));
    const QString space = object[u"space"_s].toString(u"rgb"_s);
    const double count = object[u"count"_s].toDouble(5);
    if (preset.name.isEmpty() || !mode || !format || (space != u"rgb"_s && space != u"oklab"_s) ||
        count < 2 || count > 500 || count != std::floor(count))
        return std::nullopt;
    for (const QJsonValue value : object[u"colors"_s].toArray()) {
        const std::optional<Rgb> color = colorOf(value);
        if (!color)
            return std::nullopt;
        preset.colors << *color;
    }
    if (!holdsRightColors(*mode, preset.colors.size()))
        return std::nullopt;
    preset.fadeMode = *mode;
    preset.format = *format;
    preset.space = space == u"oklab"_s ? ColorSpace::OkLab : ColorSpace::Srgb;
    preset.count = int(count);
    preset.options = {object[u"face"_s].toString(),    object[u"size"_s].toString(),
                      object[u"bold"_s].toBool(),      object[u"italic"_s].toBool(),
                      object[u"underline"_s].toBool(), object[u"waving"_s].toBool()};
    return preset;
}

} // namespace

QString FadeModeName(int mode)
{
    return ModeNames.value(mode, u"none"_s);
}

std::optional<int> FadeModeNamed(const QString &name)
{
    const qsizetype index = ModeNames.indexOf(name.toLower());
    return index < 0 ? std::nullopt : std::optional(int(index));
}

QString OutputFormatName(OutputFormat format)
{
    return std::ranges::find(FormatNames, format, &std::pair<OutputFormat, QString>::first)->second;
}

std::optional<OutputFormat> OutputFormatNamed(const QString &name)
{
    const auto named =
        std::ranges::find(FormatNames, name.toLower(), &std::pair<OutputFormat, QString>::second);
    return named == std::end(FormatNames) ? std::nullopt : std::optional(named->first);
}

QByteArray PresetLine(const Preset &preset)
{
    QJsonArray colors;
    for (const Rgb &color : preset.colors)
        colors.append(HColor1(RGB(color)));
    const QJsonObject object {
        {u"name"_s, preset.name},
        {u"fade"_s, FadeModeName(preset.fadeMode)},
        {u"colors"_s, colors},
        {u"count"_s, preset.count},
        {u"bold"_s, preset.options.bold},
        {u"italic"_s, preset.options.italic},
        {u"underline"_s, preset.options.underline},
        {u"waving"_s, preset.options.waving},
        {u"face"_s, preset.options.fontFace},
        {u"size"_s, preset.options.fontSize},
        {u"format"_s, OutputFormatName(preset.format)},
        {u"space"_s, preset.space == ColorSpace::OkLab ? u"oklab"_s : u"rgb"_s},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<Preset> ParsePresetLine(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return presetOf(document.object());
}

PresetLines ReadPresetLines(const QByteArray &text)
{
    PresetLines lines;
    for (const QByteArray &line : text.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (std::optional<Preset> preset = ParsePresetLine(line))
            lines.presets << *std::move(preset);
        else
            lines.unreadable << line;
    }
    return lines;
}

QByteArray WritePresetLines(const PresetLines &lines)
{
    QByteArray text;
    for (const Preset &preset : lines.presets)
        text += PresetLine(preset) + '\n';
    for (const QByteArray &line : lines.unreadable)
        text += line + '\n';
    return text;
}
