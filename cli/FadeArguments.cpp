#include "cli/FadeArguments.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QStringList ModeNames = {u"normal"_s,     u"rainbow"_s,   u"randomize"_s,
                               u"repeater"_s,   u"ttintra"_s,   u"dudadodov"_s,
                               u"tcrepeater"_s, u"twmystery"_s, u"none"_s};

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

std::optional<Rgb> parseColor(const QString &text)
{
    static const QRegularExpression hex(u"^#?([0-9A-Fa-f]{6})$"_s);
    const QRegularExpressionMatch match = hex.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const uint value = match.captured(1).toUInt(nullptr, 16);
    return Rgb {int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF)};
}

QCommandLineOption colorOption(int which, const QString &defaultValue)
{
    static const QString ordinals[] = {u"First"_s, u"Second"_s, u"Third"_s};
    const QString number = QString::number(which);
    return {{number, u"color"_s + number},
            ordinals[which - 1] + u" colour, RRGGBB."_s,
            u"colour"_s,
            defaultValue};
}

} // namespace

FadeArguments::FadeArguments()
    : m_mode({u"m"_s, u"mode"_s},
             u"normal, rainbow, randomize, repeater, ttintra, dudadodov, tcrepeater, "
             "twmystery or none, or its index 0-8."_s,
             u"mode"_s, u"normal"_s)
    , m_colors {colorOption(1, u"FF0000"_s), colorOption(2, u"0000FF"_s),
                colorOption(3, u"00FF00"_s)}
    , m_face(u"face"_s, u"Font face."_s, u"name"_s, u"Comic Sans MS"_s)
    , m_size(u"size"_s, u"Font size."_s, u"text"_s, u"3"_s)
    , m_bold({u"b"_s, u"bold"_s}, u"Bold."_s)
    , m_italic({u"i"_s, u"italic"_s}, u"Italic."_s)
    , m_underline({u"u"_s, u"underline"_s}, u"Underline."_s)
    , m_wave({u"w"_s, u"wave"_s}, u"Raise and lower the letters in turn."_s)
    , m_count({u"c"_s, u"count"_s}, u"Letters per segment of rainbow, repeater and tcrepeater."_s,
              u"text"_s, u"5"_s)
    , m_chat(u"chat"_s, u"Write a chat line instead of a page fragment."_s)
    , m_seed(u"seed"_s, u"Seed of the random colours, for repeatable runs."_s, u"N"_s)
    , m_help(m_parser.addHelpOption())
    , m_version(m_parser.addVersionOption())
{
    m_parser.setApplicationDescription(
        u"Fades a message into HTML in which every letter has its own colour.\n"
        "With no MESSAGE the message is read from standard input."_s);
    m_parser.addOptions({m_mode, m_colors[0], m_colors[1], m_colors[2], m_face, m_size, m_bold,
                         m_italic, m_underline, m_wave, m_count, m_chat, m_seed});
    m_parser.addPositionalArgument(u"MESSAGE"_s, u"The words of the message."_s, u"[MESSAGE...]"_s);
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
    return readJob();
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
            return refuse(u"bad colour \"%1\" for --color%2 (expected RRGGBB or #RRGGBB)"_s.arg(
                text, QString::number(which + 1)));
        m_job.colors[which] = *color;
    }
    if (m_parser.isSet(m_seed)) {
        bool isNumber = false;
        m_job.seed = m_parser.value(m_seed).toULongLong(&isNumber);
        if (!isNumber)
            return refuse(
                u"bad seed \"%1\" (expected a whole number)"_s.arg(m_parser.value(m_seed)));
    }
    m_job.request.fadeMode = *mode;
    m_job.request.dialect = m_parser.isSet(m_chat) ? MarkupDialect::ChatLine : MarkupDialect::Page;
    m_job.request.options = {m_parser.value(m_face),      m_parser.value(m_size),
                             m_parser.isSet(m_bold),      m_parser.isSet(m_italic),
                             m_parser.isSet(m_underline), m_parser.isSet(m_wave)};
    m_job.words = m_parser.positionalArguments();
    m_job.count = m_parser.value(m_count);
    return Action::Fade;
}

FadeArguments::Action FadeArguments::refuse(const QString &problem)
{
    m_problem = problem;
    return Action::UsageError;
}
