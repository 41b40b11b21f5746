#include "cli/FadeCommand.h"

#include "engine/FadeGenerator.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <optional>

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

// Every line break, whatever its form, becomes the CR LF the engine expects.
QString withCrLfBreaks(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    text.replace(u"\n"_s, u"\r\n"_s);
    return text;
}

} // namespace

FadeCommand::FadeCommand(FILE *input, FILE *output, FILE *errors)
    : m_input(input)
    , m_output(output)
    , m_errors(errors)
{ }

int FadeCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Fades a message into HTML in which every letter has its own colour.\n"
        "With no MESSAGE the message is read from standard input."_s);
    const QCommandLineOption mode({u"m"_s, u"mode"_s},
                                  u"normal, rainbow, randomize, repeater, ttintra, dudadodov, "
                                  "tcrepeater, twmystery or none, or its index 0-8."_s,
                                  u"mode"_s, u"normal"_s);
    const QCommandLineOption color1({u"1"_s, u"color1"_s}, u"First colour, RRGGBB."_s, u"colour"_s,
                                    u"FF0000"_s);
    const QCommandLineOption color2({u"2"_s, u"color2"_s}, u"Second colour, RRGGBB."_s, u"colour"_s,
                                    u"0000FF"_s);
    const QCommandLineOption color3({u"3"_s, u"color3"_s}, u"Third colour, RRGGBB."_s, u"colour"_s,
                                    u"00FF00"_s);
    const QCommandLineOption face(u"face"_s, u"Font face."_s, u"name"_s, u"Comic Sans MS"_s);
    const QCommandLineOption size(u"size"_s, u"Font size."_s, u"text"_s, u"3"_s);
    const QCommandLineOption bold({u"b"_s, u"bold"_s}, u"Bold."_s);
    const QCommandLineOption italic({u"i"_s, u"italic"_s}, u"Italic."_s);
    const QCommandLineOption underline({u"u"_s, u"underline"_s}, u"Underline."_s);
    const QCommandLineOption wave({u"w"_s, u"wave"_s}, u"Raise and lower the letters in turn."_s);
    const QCommandLineOption count({u"c"_s, u"count"_s},
                                   u"Letters per segment of rainbow, repeater and tcrepeater."_s,
                                   u"text"_s, u"5"_s);
    const QCommandLineOption chat(u"chat"_s, u"Write a chat line instead of a page fragment."_s);
    const QCommandLineOption seed(u"seed"_s, u"Seed of the random colours, for repeatable runs."_s,
                                  u"N"_s);
    parser.addOptions({mode, color1, color2, color3, face, size, bold, italic, underline, wave,
                       count, chat, seed});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(u"MESSAGE"_s, u"The words of the message."_s, u"[MESSAGE...]"_s);

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(m_output, parser.helpText());
        return Done;
    }
    if (parser.isSet(version)) {
        print(m_output,
              QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() +
                  u'\n');
        return Done;
    }

    const std::optional<int> fadeMode = parseMode(parser.value(mode));
    if (!fadeMode)
        return usageError(u"unknown mode \"%1\""_s.arg(parser.value(mode)));
    std::array<Rgb, 3> colors;
    const QCommandLineOption *colorOptions[] = {&color1, &color2, &color3};
    for (int which = 0; which < 3; ++which) {
        const QString text = parser.value(*colorOptions[which]);
        const std::optional<Rgb> color = parseColor(text);
        if (!color)
            return usageError(
                u"bad colour \"%1\" for --color%2 (expected RRGGBB or #RRGGBB)"_s.arg(text).arg(
                    which + 1));
        colors[which] = *color;
    }
    std::optional<quint64> fixedSeed;
    if (parser.isSet(seed)) {
        bool isNumber = false;
        fixedSeed = parser.value(seed).toULongLong(&isNumber);
        if (!isNumber)
            return usageError(
                u"bad seed \"%1\" (expected a whole number)"_s.arg(parser.value(seed)));
    }

    FadeRequest request;
    request.message = withCrLfBreaks(parser.positionalArguments().isEmpty()
                                         ? readInput()
                                         : parser.positionalArguments().join(u' '));
    request.fadeMode = *fadeMode;
    request.dialect = parser.isSet(chat) ? MarkupDialect::ChatLine : MarkupDialect::Page;
    request.options = {parser.value(face),   parser.value(size),      parser.isSet(bold),
                       parser.isSet(italic), parser.isSet(underline), parser.isSet(wave)};

    PlainFadeHost host(colors[0], colors[1], colors[2], parser.value(count));
    SegmentState segments;
    RandomSource random = fixedSeed ? RandomSource(*fixedSeed, [] { return quint64(0); })
                                    : RandomSource(QRandomGenerator::system()->generate64());
    const FadeResult result = GenerateFade(request, host, segments, random);
    if (result.status == FadeResult::Status::Done) {
        print(m_output, *result.output + u'\n');
        return Done;
    }
    if (result.notice)
        print(m_errors, result.notice->text + u'\n');
    else if (result.output && !result.output->isEmpty())
        print(m_errors, *result.output + u'\n');
    return Refused;
}

int FadeCommand::usageError(const QString &problem)
{
    print(m_errors,
          u"tintra-fade: %1\nTry 'tintra-fade --help' for more information.\n"_s.arg(problem));
    return UsageError;
}

QString FadeCommand::readInput() const
{
    QByteArray bytes;
    char buffer[65536];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, m_input)) > 0;)
        bytes.append(buffer, qsizetype(read));
    // The line break that ends the last line of input is not part of the message.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

void FadeCommand::print(FILE *stream, const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
