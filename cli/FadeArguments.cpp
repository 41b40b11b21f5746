#include "cli/FadeArguments.h"

#include "engine/StopsFade.h"
#include "presets/BuiltInPresets.h"

#include <QColor>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QStringList ModeNames = {u"normal"_s,  u"rainbow"_s,   u"randomize"_s,  u"repeater"_s,
                               u"ttintra"_s, u"dudadodov"_s, u"tcrepeater"_s, u"twmystery"_s,
                               u"none"_s,    u"stops"_s};

// What each mode does, in the order of ModeNames.
const QStringList ModeSummaries = {
    u"one gradient from colour 1 toward colour 2"_s,
    u"colour 1 toward 2, then on toward random colours, count - 1 letters each"_s,
    u"a new random colour for every letter"_s,
    u"colour 1 to 2, 2 to 1, and so on, count - 1 letters each"_s,
    u"first half colour 1 toward 2, second half toward colour 3"_s,
    u"three random colours, then as ttintra"_s,
    u"colour 1 to 2, 2 to 3, 3 to 2, 2 to 1, and so on, count - 1 letters each"_s,
    u"two random colours, then as normal"_s,
    u"no colours; with --wave only the raising and lowering tags"_s,
    u"through the colours of --stops (default colours 1-3), in equal parts"_s,
};

// A format by name, with what it writes.
struct FormatChoice
{
    QString name;
    OutputFormat format;
    QString summary;
};

const FormatChoice Formats[] = {
    {u"classic"_s, OutputFormat::Page, u"the page fragment of FONT tags, at most 1400 letters"_s},
    {u"chat"_s, OutputFormat::ChatLine,
     u"the chat line: open FONT tags, the face only with bold, segments of 7 letters"_s},
    {u"html"_s, OutputFormat::Html,
     u"HTML5 spans with the text escaped, for rich editors, mail and pages"_s},
    {u"bbcode"_s, OutputFormat::BBCode,
     u"BBCode for forums, each letter in its own colour tag; no waving"_s},
    {u"ansi"_s, OutputFormat::Ansi,
     u"terminal colour: 24-bit where COLORTERM is truecolor or 24bit, else 256 colours; no face, "
     "size or waving"_s},
    {u"minimessage"_s, OutputFormat::MiniMessage,
     u"MiniMessage for game chat; no face, size or waving"_s},
    {u"amp-hex"_s, OutputFormat::AmpHex,
     u"&#rrggbb codes of server plugins, one per colour; no face, size or waving"_s},
    {u"amp-x"_s, OutputFormat::AmpX,
     u"&x&r&r&g&g&b&b codes of server plugins; no face, size or waving"_s},
    {u"section"_s, OutputFormat::Section,
     u"the game's own §x§r§r§g§g§b§b codes; no face, size or waving"_s},
    {u"mc-json"_s, OutputFormat::TextComponents,
     u"the game's JSON text components, for /tellraw and configs; no face, size or waving"_s},
    {u"irc"_s, OutputFormat::Irc,
     u"IRC colour codes of the 99-colour palette, --irc-hex adds hex; no face, size or waving"_s},
    {u"discord"_s, OutputFormat::Discord,
     u"a Discord ansi code block in its 8 colours; no italics, face, size or waving"_s},
    {u"pango"_s, OutputFormat::Pango,
     u"Pango markup for status bars (Waybar, i3 and sway bars); no face or size"_s},
    {u"matrix"_s, OutputFormat::Matrix,
     u"a Matrix message event's content as JSON, with HTML font tags; no face or size"_s},
    {u"rtf"_s, OutputFormat::Rtf, u"a Rich Text document for word processors and mail"_s},
};

QRegularExpression anchored(const QString &pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

std::optional<int> parseMode(const QString &text)
{
    const qsizetype named = ModeNames.indexOf(text.toLower());
    if (named >= 0)
        return int(named);
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (isNumber && index >= 0 && index < ModeNames.size())
        return index;
    return std::nullopt;
}

// #RGB, RRGGBB, #RRGGBB or a CSS colour name, in any case.
std::optional<Rgb> parseColor(const QString &text)
{
    static const QRegularExpression bareHex = anchored(u"[0-9A-Fa-f]{6}"_s);
    static const QRegularExpression accepted =
        anchored(u"#[0-9A-Fa-f]{3}|#[0-9A-Fa-f]{6}|[A-Za-z]+"_s);
    const bool bare = bareHex.match(text).hasMatch();
    if (!bare && !accepted.match(text).hasMatch())
        return std::nullopt;
    const QColor color = QColor::fromString(bare ? u'#' + text : text);
    if (!color.isValid() || color.alpha() != 255) // "transparent" is no colour to write
        return std::nullopt;
    return Rgb {color.red(), color.green(), color.blue()};
}

// The face goes between double quotes in the markup, which it must not be able to leave.
bool isSafeFace(const QString &face)
{
    return std::none_of(face.begin(), face.end(), [](QChar c) {
        return c == u'"' || c == u'<' || c == u'>' || c.category() == QChar::Other_Control;
    });
}

// 1 to 7, or a step from the page's size, +1 to +6 or -1 to -6.
bool isFontSize(const QString &size)
{
    static const QRegularExpression sizes = anchored(u"[1-7]|[+-][1-6]"_s);
    return sizes.match(size).hasMatch();
}

QCommandLineOption colorOption(int which, const QString &defaultValue)
{
    static const QString ordinals[] = {u"First"_s, u"Second"_s, u"Third"_s};
    const QString number = QString::number(which);
    return {{number, u"color"_s + number},
            ordinals[which - 1] +
                u" colour: #RGB, RRGGBB, #RRGGBB or a CSS colour name (default "_s + defaultValue +
                u")."_s,
            u"colour"_s,
            defaultValue};
}

std::optional<Preset> findPreset(const QString &name, const PresetStore &store)
{
    const QList<Preset> presets = BuiltInPresets() + store.load().presets;
    const auto found = std::ranges::find(presets, name, &Preset::name);
    return found == presets.end() ? std::nullopt : std::optional(*found);
}

// A preset as the options that set the same, to go before the command line's own, which win.
// The classic format is left out, so that --chat can still choose the chat line.
QStringList presetArguments(const Preset &preset)
{
    QStringList colors;
    for (const Rgb &color : preset.colors)
        colors << Hex6(RGB(color));
    QStringList arguments = {u"--mode"_s, FadeModeName(preset.fadeMode), u"--count"_s,
                             QString::number(preset.count)};
    if (preset.fadeMode == FadeMode::Stops)
        arguments << u"--stops"_s << colors.join(u',');
    else
        arguments << u"-1"_s << colors.value(0) << u"-2"_s << colors.value(1) << u"-3"_s
                  << colors.value(2);
    if (preset.format == OutputFormat::Ansi256)
        arguments << u"--format"_s << u"ansi"_s << u"--ansi256"_s;
    else if (preset.format == OutputFormat::IrcHex)
        arguments << u"--format"_s << u"irc"_s << u"--irc-hex"_s;
    else if (preset.format != OutputFormat::Page)
        arguments << u"--format"_s << OutputFormatName(preset.format);
    if (preset.space == ColorSpace::OkLab)
        arguments << u"--space"_s << u"oklab"_s;
    if (!preset.options.fontFace.isEmpty())
        arguments << u"--face"_s << preset.options.fontFace;
    if (!preset.options.fontSize.isEmpty())
        arguments << u"--size"_s << preset.options.fontSize;
    const std::pair<bool, QString> flags[] = {{preset.options.bold, u"--bold"_s},
                                              {preset.options.italic, u"--italic"_s},
                                              {preset.options.underline, u"--underline"_s},
                                              {preset.options.waving, u"--wave"_s}};
    for (const auto &[set, flag] : flags) {
        if (set)
            arguments << flag;
    }
    return arguments;
}

} // namespace

FadeArguments::FadeArguments(bool trueColorTerminal, PresetStore presets)
    : m_trueColorTerminal(trueColorTerminal)
    , m_mode({u"m"_s, u"mode"_s}, u"Fade mode by name or index 0-9, below (default normal)."_s,
             u"mode"_s, u"normal"_s)
    , m_colors {colorOption(1, u"FF0000"_s), colorOption(2, u"0000FF"_s),
                colorOption(3, u"00FF00"_s)}
    , m_stops(u"stops"_s,
              u"With --mode stops, 2 to 10 colours separated by commas, each as for --color1."_s,
              u"colours"_s)
    , m_face(u"face"_s,
             u"Font face (default Comic Sans MS), without \", <, > or control characters."_s,
             u"name"_s, u"Comic Sans MS"_s)
    , m_size(u"size"_s, u"Font size: 1-7, or +N or -N with N 1-6 (default 3)."_s, u"size"_s, u"3"_s)
    , m_bold({u"b"_s, u"bold"_s}, u"Bold."_s)
    , m_italic({u"i"_s, u"italic"_s}, u"Italic."_s)
    , m_underline({u"u"_s, u"underline"_s}, u"Underline."_s)
    , m_wave({u"w"_s, u"wave"_s}, u"Raise and lower the letters in turn."_s)
    , m_count({u"c"_s, u"count"_s},
              u"Letters per segment of rainbow, repeater and tcrepeater, 2-500 (default 5; the "
              "chat line always takes 7)."_s,
              u"count"_s, u"5"_s)
    , m_format({u"f"_s, u"format"_s}, u"Output format, below (default classic)."_s, u"format"_s,
               u"classic"_s)
    , m_chat(u"chat"_s, u"The same as --format chat."_s)
    , m_ansi24(u"ansi24"_s,
               u"With --format ansi, 24-bit colour, also where COLORTERM does not say truecolor "
               "or 24bit."_s)
    , m_ansi256(u"ansi256"_s,
                u"With --format ansi, the 256 colours of older terminals, also where COLORTERM "
                "says truecolor or 24bit."_s)
    , m_ircHex(
          u"irc-hex"_s,
          u"With --format irc, each colour in hex too, for the clients that show any colour."_s)
    , m_every(u"every"_s,
              u"In the formats that write runs (amp-hex to rtf below), start a colour code only "
              "every N letters, each run in the colour of its first letter, so a long message "
              "fits a small budget (default 1)."_s,
              u"N"_s, u"1"_s)
    , m_budget(u"budget"_s,
               u"The length limit, in the target's unit, instead of the target's own (below), or "
               "none."_s,
               u"N|none"_s)
    , m_fit(u"fit"_s,
            u"Over the limit: error (the default but for irc), which names the --every that "
            "fits, or split, for irc, into several lines each within it."_s,
            u"how"_s)
    , m_ircPrefixRoom(u"irc-prefix-room"_s,
                      u"With --format irc, the bytes of a line kept for the prefix the server "
                      "puts in front (default 100)."_s,
                      u"N"_s, u"100"_s)
    , m_measure(u"measure"_s,
                u"Print the length of the markup in the target's unit and the limit instead of "
                "the markup."_s)
    , m_space(u"space"_s,
              u"Where normal and twmystery fade evenly: rgb (default) or oklab, which looks "
              "even."_s,
              u"space"_s, u"rgb"_s)
    , m_seed(u"seed"_s, u"Seed of the random colours, for repeatable runs."_s, u"N"_s)
    , m_preset(u"preset"_s,
               u"Start from the settings of a preset, built-in or saved; the other options "
               "change them."_s,
               u"name"_s)
    , m_listPresets(u"list-presets"_s, u"List the built-in presets and the saved ones."_s)
    , m_savePreset(u"save-preset"_s,
                   u"Save the settings of the other options as a preset of this name, and fade "
                   "nothing."_s,
                   u"name"_s)
    , m_read(u"read"_s,
             u"Print the stops of a Stops Fade that gives the letters of the markup on standard "
             "input their colours, as #RRGGBB,#RRGGBB,...; the markup in a format named below, or "
             "auto for any."_s,
             u"format"_s)
    , m_help(m_parser.addHelpOption())
    , m_version(m_parser.addVersionOption())
    , m_presets(std::move(presets))
{
    m_parser.setApplicationDescription(
        u"Fades a message into HTML or another format in which every letter has its own\n"
        "colour. With no MESSAGE the message is read from standard input as UTF-8, without\n"
        "the line break that ends it. Only the classic page fragment is limited to 1400\n"
        "letters."_s);
    m_parser.addOptions({m_mode,   m_colors[0],   m_colors[1],     m_colors[2], m_stops,  m_face,
                         m_size,   m_bold,        m_italic,        m_underline, m_wave,   m_count,
                         m_format, m_chat,        m_ansi24,        m_ansi256,   m_ircHex, m_every,
                         m_budget, m_fit,         m_ircPrefixRoom, m_measure,   m_space,  m_seed,
                         m_preset, m_listPresets, m_savePreset,    m_read});
    m_parser.addPositionalArgument(u"MESSAGE"_s, u"The words of the message."_s, u"[MESSAGE...]"_s);
}

QString FadeArguments::helpText() const
{
    QString text = m_parser.helpText() + u"\nModes:\n"_s;
    for (qsizetype index = 0; index < ModeNames.size(); ++index)
        text += u"  %1 %2 %3\n"_s.arg(index).arg(ModeNames[index], -11).arg(ModeSummaries[index]);
    text += u"\nFormats:\n"_s;
    for (const auto &format : Formats)
        text += u"  %1 %2\n"_s.arg(format.name, -12).arg(format.summary);
    text += u"\nLimits (--budget, --fit, --measure):\n"
            "  amp-hex, amp-x, section, mc-json  256 characters, as the game counts them (UTF-16)\n"
            "  irc      512 bytes a line with CR LF and the prefix room; split into lines\n"
            "  discord  2000 characters, as Discord counts them (code points)\n"
            "  matrix   65536 bytes of UTF-8, the event's limit\n"
            "  others   none; --budget N counts characters (code points)\n"_s;
    return text +
        u"\nExit codes:\n"
        "  0  the markup was written\n"
        "  1  the message or count was refused, the markup is over its limit, or it could not\n"
        "     be written\n"
        "  2  a usage error: an unknown option, a bad option value, or input that is not UTF-8\n"
        "     or cannot be read\n"_s;
}

FadeArguments::Action FadeArguments::parse(const QStringList &arguments)
{
    if (!m_parser.parse(arguments))
        return refuse(m_parser.errorText());
    // Qt adds --help-all beside --help; the fader has no Qt options worth listing apart.
    if (m_parser.isSet(m_help) || m_parser.isSet(u"help-all"_s))
        return Action::Help;
    if (m_parser.isSet(m_version))
        return Action::Version;
    if (m_parser.isSet(m_listPresets))
        return Action::ListPresets;
    if (m_parser.isSet(m_read)) {
        const QString format = m_parser.value(m_read);
        m_markupFormat = OutputFormatNamed(format);
        if (!m_markupFormat && format.toLower() != u"auto"_s)
            return refuse(u"unknown format \"%1\" for --read"_s.arg(format));
        return Action::ReadStops;
    }
    if (m_parser.isSet(m_preset)) {
        if (const Action applied = applyPreset(arguments); applied != Action::Fade)
            return applied;
    }
    const Action read = readJob();
    if (read == Action::Fade && m_parser.isSet(m_savePreset))
        return readPresetToSave();
    return read;
}

FadeArguments::Action FadeArguments::readJob()
{
    const std::optional<int> mode = parseMode(m_parser.value(m_mode));
    if (!mode)
        return refuse(u"unknown mode \"%1\""_s.arg(m_parser.value(m_mode)));
    for (int which = 0; which < 3; ++which) {
        const QString text = m_parser.value(m_colors[which]);
        const std::optional<Rgb> color = parseColor(text);
        if (!color)
            return refuse(u"bad colour \"%1\" for --color%2 (expected #RGB, RRGGBB, #RRGGBB or "
                          "a CSS colour name)"_s.arg(text, QString::number(which + 1)));
        m_job.colors[which] = *color;
    }
    if (!readStops(*mode))
        return Action::UsageError;
    if (!isSafeFace(m_parser.value(m_face)))
        return refuse(u"bad font face for --face (it may not hold \", <, > or control "
                      "characters)"_s);
    if (!isFontSize(m_parser.value(m_size)))
        return refuse(
            u"bad font size \"%1\" for --size (expected 1-7, or +N or -N with N 1-6)"_s.arg(
                m_parser.value(m_size)));
    if (m_parser.isSet(m_seed)) {
        bool isNumber = false;
        m_job.seed = m_parser.value(m_seed).toULongLong(&isNumber);
        if (!isNumber)
            return refuse(
                u"bad seed \"%1\" (expected a whole number)"_s.arg(m_parser.value(m_seed)));
    }
    const std::optional<OutputFormat> format = readFormat();
    if (!format)
        return Action::UsageError;
    const QString space = m_parser.value(m_space);
    if (space != u"rgb"_s && space != u"oklab"_s)
        return refuse(
            u"unknown colour space \"%1\" for --space (expected rgb or oklab)"_s.arg(space));
    m_job.request.fadeMode = *mode;
    m_job.request.format = *format;
    m_job.request.space = space == u"oklab"_s ? ColorSpace::OkLab : ColorSpace::Srgb;
    if (m_parser.isSet(m_every)) {
        bool isNumber = false;
        const int every = m_parser.value(m_every).toInt(&isNumber);
        if (!isNumber || every < 1)
            return refuse(u"bad count \"%1\" for --every (expected a whole number from 1)"_s.arg(
                m_parser.value(m_every)));
        // The page, the chat line and the formats of one code per letter have no runs to space.
        if (!WritesRuns(*format))
            return refuse(u"--every goes with the formats that write runs: amp-hex, amp-x, "
                          "section, mc-json, irc, discord, pango, matrix and rtf"_s);
        m_job.request.every = every;
    }
    if (const Action budget = readBudget(*format); budget != Action::Fade)
        return budget;
    m_job.request.options = {m_parser.value(m_face),      m_parser.value(m_size),
                             m_parser.isSet(m_bold),      m_parser.isSet(m_italic),
                             m_parser.isSet(m_underline), m_parser.isSet(m_wave)};
    m_job.words = m_parser.positionalArguments();
    m_job.count = m_parser.value(m_count);
    return Action::Fade;
}

FadeArguments::Action FadeArguments::applyPreset(const QStringList &arguments)
{
    const QString name = m_parser.value(m_preset);
    const std::optional<Preset> preset = findPreset(name, m_presets);
    if (!preset)
        return refuse(u"unknown preset \"%1\" (--list-presets lists them)"_s.arg(name));
    if (!m_parser.parse(arguments.first(1) + presetArguments(*preset) + arguments.sliced(1)))
        return refuse(m_parser.errorText());
    return Action::Fade;
}

FadeArguments::Action FadeArguments::readPresetToSave()
{
    const QString name = m_parser.value(m_savePreset).trimmed();
    if (name.isEmpty())
        return refuse(u"a preset needs a name"_s);
    if (std::ranges::any_of(BuiltInPresets(),
                            [&](const Preset &builtIn) { return builtIn.name == name; }))
        return refuse(u"\"%1\" is the name of a built-in preset"_s.arg(name));
    const CountAnswer count = CheckCount(m_job.count);
    if (count.status != CountAnswer::Status::Accepted)
        return refuse(u"bad count \"%1\" for --count (expected 2-500)"_s.arg(m_job.count));
    const FadeRequest &request = m_job.request;
    m_presetToSave = {name,
                      request.fadeMode,
                      request.fadeMode == FadeMode::Stops
                          ? request.stops
                          : QList<Rgb>(m_job.colors.begin(), m_job.colors.end()),
                      count.howMuch + 1,
                      request.options,
                      request.format,
                      request.space};
    return Action::SavePreset;
}

// Without --stops, Stops Fade runs through the three colours.
bool FadeArguments::readStops(int mode)
{
    if (!m_parser.isSet(m_stops)) {
        m_job.request.stops = {m_job.colors.begin(), m_job.colors.end()};
        return true;
    }
    if (mode != FadeMode::Stops) {
        refuse(u"--stops goes with --mode stops"_s);
        return false;
    }
    const QStringList texts = m_parser.value(m_stops).split(u',');
    if (texts.size() < MinimumStops || texts.size() > MaximumStops) {
        refuse(u"--stops takes 2 to 10 colours, not %1"_s.arg(texts.size()));
        return false;
    }
    QList<Rgb> stops;
    for (const QString &text : texts) {
        const std::optional<Rgb> color = parseColor(text.trimmed());
        if (!color) {
            refuse(u"bad colour \"%1\" in --stops (expected #RGB, RRGGBB, #RRGGBB or a CSS "
                   "colour name)"_s.arg(text));
            return false;
        }
        stops << *color;
    }
    m_job.request.stops = stops;
    return true;
}

// --chat is short for --format chat; --ansi24 and --ansi256 go with --format ansi, --irc-hex
// with irc.
std::optional<OutputFormat> FadeArguments::readFormat()
{
    const QString name = m_parser.value(m_format).toLower();
    const auto named = std::ranges::find(Formats, name, &FormatChoice::name);
    if (named == std::end(Formats)) {
        refuse(u"unknown format \"%1\" for --format"_s.arg(m_parser.value(m_format)));
        return std::nullopt;
    }
    OutputFormat format = named->format;
    if (m_parser.isSet(m_chat)) {
        if (m_parser.isSet(m_format) && format != OutputFormat::ChatLine) {
            refuse(u"--chat and --format %1 ask for two formats"_s.arg(name));
            return std::nullopt;
        }
        format = OutputFormat::ChatLine;
    }
    for (const QCommandLineOption *depth : {&m_ansi24, &m_ansi256}) {
        if (m_parser.isSet(*depth) && format != OutputFormat::Ansi) {
            refuse(u"--%1 goes with --format ansi"_s.arg(depth->names().constFirst()));
            return std::nullopt;
        }
    }
    if (m_parser.isSet(m_ansi24) && m_parser.isSet(m_ansi256)) {
        refuse(u"--ansi24 and --ansi256 ask for two colour depths"_s);
        return std::nullopt;
    }
    // The terminal's depth, unless an option sets it.
    if (format == OutputFormat::Ansi &&
        (m_parser.isSet(m_ansi256) || (!m_parser.isSet(m_ansi24) && !m_trueColorTerminal)))
        format = OutputFormat::Ansi256;
    if (m_parser.isSet(m_ircHex)) {
        if (format != OutputFormat::Irc) {
            refuse(u"--irc-hex goes with --format irc"_s);
            return std::nullopt;
        }
        format = OutputFormat::IrcHex;
    }
    return format;
}

// The target's budget, or the one --budget sets, and what to do over it.
FadeArguments::Action FadeArguments::readBudget(OutputFormat format)
{
    const bool irc = format == OutputFormat::Irc || format == OutputFormat::IrcHex;
    qsizetype prefixRoom = DefaultIrcPrefixRoom;
    if (m_parser.isSet(m_ircPrefixRoom)) {
        if (!irc)
            return refuse(u"--irc-prefix-room goes with --format irc"_s);
        bool isNumber = false;
        prefixRoom = m_parser.value(m_ircPrefixRoom).toInt(&isNumber);
        if (!isNumber || prefixRoom < 0)
            return refuse(u"bad room \"%1\" for --irc-prefix-room (expected a whole number of "
                          "bytes from 0)"_s.arg(m_parser.value(m_ircPrefixRoom)));
    }
    std::optional<Budget> budget = TargetBudget(format, prefixRoom);
    if (m_parser.isSet(m_budget)) {
        const QString value = m_parser.value(m_budget);
        bool isNumber = false;
        const int limit = value.toInt(&isNumber);
        if (value == u"none"_s) {
            budget.reset();
        } else if (!isNumber || limit < 1) {
            return refuse(u"bad limit \"%1\" for --budget (expected a whole number from 1, or "
                          "none)"_s.arg(value));
        } else {
            if (!budget)
                budget = Budget {.limit = limit, .unit = TargetUnit(format)};
            budget->limit = limit;
        }
    }
    // A line of IRC needs room for a colour code and the longest letter besides the prefix.
    constexpr qsizetype LeastIrcText = 32;
    if (budget && budget->perLine && budget->limit - budget->lineOverhead < LeastIrcText)
        return refuse(u"a line of %1 bytes with %2 for CR LF and the prefix leaves too little "
                      "room for text (at least %3 bytes)"_s.arg(budget->limit)
                          .arg(budget->lineOverhead)
                          .arg(LeastIrcText));
    if (m_parser.isSet(m_fit)) {
        const QString fit = m_parser.value(m_fit);
        if (fit != u"error"_s && fit != u"split"_s)
            return refuse(u"unknown way \"%1\" for --fit (expected error or split)"_s.arg(fit));
        if (!budget)
            return refuse(u"--fit needs a limit: this format has none, give one with --budget"_s);
        if (fit == u"split"_s && !irc)
            return refuse(u"--fit split goes with --format irc, whose lines can be sent apart; "
                          "try --every"_s);
        budget->fit = fit == u"split"_s ? BudgetFit::Split : BudgetFit::Error;
    }
    m_job.request.budget = budget;
    m_job.measure = m_parser.isSet(m_measure);
    return Action::Fade;
}

FadeArguments::Action FadeArguments::refuse(const QString &problem)
{
    m_problem = problem;
    return Action::UsageError;
}
