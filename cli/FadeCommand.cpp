#include "cli/FadeCommand.h"

#include "cli/FadeArguments.h"
#include "cli/MessageInput.h"
#include "engine/LineBreaks.h"
#include "engine/MarkupBuffer.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"
#include "engine/StopsFit.h"
#include "presets/BuiltInPresets.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Each UTF-16 unit of a message takes at most three bytes of UTF-8 (a line feed alone becomes
// two units), so past this many bytes, with the last line break dropped, a page is too big.
constexpr qsizetype PageInputLimit = 3 * MaximumPageUnits + 2;

// A fixed seed runs on a stopped clock, so the same seed and input give the same colours.
RandomSource randomSourceFor(const std::optional<quint64> &seed)
{
    if (seed)
        return RandomSource(*seed, [] { return quint64(0); });
    return RandomSource(QRandomGenerator::system()->generate64());
}

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// A preset as its line of the list: its name, fade and colours, separated by tabs.
QString presetListLine(const Preset &preset)
{
    QStringList colors;
    for (const Rgb &color : preset.colors)
        colors << HColor1(RGB(color));
    return u"%1\t%2\t%3\n"_s.arg(preset.name, FadeModeName(preset.fadeMode), colors.join(u','));
}

QString writeErrorText()
{
    return u"tintra-fade: write error: %1\n"_s.arg(QString::fromLocal8Bit(std::strerror(errno)));
}

// The markup's length against its limit, or alone where it has none.
QString measured(const FadeJob &job, const FadeResult &result)
{
    if (result.budgetCount)
        return BudgetUsage(*result.budgetCount);
    const BudgetUnit unit = TargetUnit(job.request.format);
    return u"%1 %2, no limit"_s.arg(MeasureText(*result.output, unit)).arg(UnitName(unit));
}

} // namespace

// The markup going out as UTF-8, in pieces, so a long text is never held twice over; the
// encoder keeps a surrogate pair that a cut divides. After a failed write nothing more is
// written.
class FadeCommand::Output : public MarkupSink
{
public:
    explicit Output(FILE *stream)
        : m_stream(stream)
    { }

    void write(QStringView text) override
    {
        constexpr qsizetype piece = 1 << 16;
        for (qsizetype at = 0; m_written && at < text.size(); at += piece) {
            const QByteArray bytes = m_utf8(text.sliced(at, std::min(piece, text.size() - at)));
            m_written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_stream) ==
                size_t(bytes.size());
        }
    }

    bool written() const { return m_written; }

private:
    FILE *m_stream;
    QStringEncoder m_utf8 {QStringEncoder::Utf8};
    bool m_written = true;
};

FadeCommand::FadeCommand(FILE *input, FILE *output, FILE *errors)
    : m_input(input)
    , m_output(output)
    , m_errors(errors)
{ }

int FadeCommand::run(const QByteArrayList &arguments)
{
    // The program's own name is taken as it comes; it is no part of the job.
    QStringList decoded = {QString::fromUtf8(arguments.value(0))};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        std::optional<QString> argument = DecodeUtf8(arguments[i]);
        if (!argument)
            return usageError(u"argument %1 is not UTF-8 text"_s.arg(i));
        decoded << *std::move(argument);
    }
    // A terminal that shows 24-bit colour says so in COLORTERM.
    const QByteArray colorTerm = qgetenv("COLORTERM");
    FadeArguments parsed(colorTerm == "truecolor" || colorTerm == "24bit");
    switch (parsed.parse(decoded)) {
    case FadeArguments::Action::Help: {
        Output output(m_output);
        return printResult(output, parsed.helpText());
    }
    case FadeArguments::Action::Version: {
        Output output(m_output);
        return printResult(output,
                           QCoreApplication::applicationName() + u' ' +
                               QCoreApplication::applicationVersion() + u'\n');
    }
    case FadeArguments::Action::UsageError:
        return usageError(parsed.problem());
    case FadeArguments::Action::ReadStops:
        return readStops(parsed.markupFormat());
    case FadeArguments::Action::ListPresets:
        return listPresets(parsed.presets());
    case FadeArguments::Action::SavePreset:
        return savePreset(parsed.presets(), parsed.presetToSave());
    case FadeArguments::Action::Fade:
        break;
    }
    return fade(parsed.job());
}

int FadeCommand::closeOutput(int exitCode)
{
    if (std::fclose(m_output) != 0 && exitCode == Done) {
        write(m_errors, writeErrorText());
        return Refused;
    }
    return exitCode;
}

int FadeCommand::fade(FadeJob job)
{
    const bool page = job.request.format == OutputFormat::Page;
    if (job.words.isEmpty()) {
        MessageInput input = ReadMessage(m_input, page ? PageInputLimit : -1);
        switch (input.status) {
        case MessageInput::Status::TooLong:
            return refused(u"Error: The message is too big for the textbox 2 hold."_s);
        case MessageInput::Status::NotUtf8:
            return usageError(u"standard input is not UTF-8 text"_s);
        case MessageInput::Status::ReadFailed:
            return usageError(u"cannot read standard input: %1"_s.arg(input.error));
        case MessageInput::Status::Read:
            job.request.message = std::move(input.text);
            break;
        }
    } else {
        job.request.message = WithCrLfBreaks(job.words.join(u' '));
    }

    PlainFadeHost host(job.colors[0], job.colors[1], job.colors[2], job.count);
    SegmentState segments;
    RandomSource random = randomSourceFor(job.seed);
    Output output(m_output);
    MarkupBuffer buffer;
    // Every format but the short page goes out in blocks as it is written, so that a long text
    // is never held whole; markup counted against a limit is kept until it is counted.
    if (!job.request.budget && !job.measure)
        buffer.streamTo(&output);
    const FadeResult result = GenerateFade(job.request, host, segments, random, buffer);
    switch (result.status) {
    case FadeResult::Status::Done:
        if (job.measure)
            return printResult(output, measured(job, result) + u'\n');
        if (result.budgetCount && !result.budgetCount->fits())
            return refused(BudgetAdvice(*result.budgetCount, result.fittingEvery));
        output.write(*result.output);
        return printResult(output, u"\n");
    case FadeResult::Status::Cancelled:
        return refused(u"the count is empty, so no fade was made"_s);
    case FadeResult::Status::Refused:
        break;
    }
    return refused(result.notice ? result.notice->text : result.output.value_or(QString()));
}

// The saved presets after the built-in ones.
int FadeCommand::listPresets(const PresetStore &store)
{
    const PresetLines saved = store.load();
    if (!saved.unreadable.isEmpty())
        write(m_errors,
              u"tintra-fade: skipped %1 of %2 (no preset could be read there)\n"_s.arg(
                  saved.unreadable.size() == 1 ? u"a line"_s
                                               : u"%1 lines"_s.arg(saved.unreadable.size()),
                  store.path()));
    QString list;
    for (const Preset &preset : BuiltInPresets() + saved.presets)
        list += presetListLine(preset);
    Output output(m_output);
    return printResult(output, list);
}

// Shows what it saved as the list shows it.
int FadeCommand::savePreset(PresetStore &store, const Preset &preset)
{
    if (const std::optional<QString> problem = store.save(preset))
        return refused(*problem);
    Output output(m_output);
    return printResult(output, presetListLine(preset));
}

int FadeCommand::readStops(const std::optional<OutputFormat> &format)
{
    const MessageInput input = ReadMessage(m_input, -1);
    switch (input.status) {
    case MessageInput::Status::NotUtf8:
        return usageError(u"standard input is not UTF-8 text"_s);
    case MessageInput::Status::ReadFailed:
        return usageError(u"cannot read standard input: %1"_s.arg(input.error));
    default:
        break;
    }
    const std::optional<ColoredMessage> colored = ReadColoredMessage(input.text, format);
    if (!colored)
        return usageError(u"no coloured letters could be read from standard input"_s);
    const std::optional<QList<Rgb>> stops = FitStops(*colored);
    if (!stops)
        return refused(u"the colours read make no gradient of 2 to 10 stops (within %1 of each "
                       "channel)"_s.arg(StopsFitTolerance));
    QStringList colors;
    for (const Rgb &stop : *stops)
        colors << HColor1(RGB(stop));
    Output output(m_output);
    return printResult(output, colors.join(u',') + u'\n');
}

int FadeCommand::usageError(const QString &problem)
{
    write(m_errors,
          u"tintra-fade: %1\nTry 'tintra-fade --help' for more information.\n"_s.arg(problem));
    return UsageError;
}

int FadeCommand::refused(const QString &why)
{
    write(m_errors, u"tintra-fade: "_s + why + u'\n');
    return Refused;
}

int FadeCommand::printResult(Output &output, QStringView text)
{
    output.write(text);
    if (output.written() && std::fflush(m_output) == 0)
        return Done;
    write(m_errors, writeErrorText());
    return Refused;
}
