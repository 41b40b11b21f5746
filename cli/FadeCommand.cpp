#include "cli/FadeCommand.h"

#include "cli/FadeArguments.h"
#include "engine/PlainFadeHost.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// Every line break, whatever its form, becomes the CR LF the engine expects.
QString withCrLfBreaks(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    text.replace(u"\n"_s, u"\r\n"_s);
    return text;
}

// A fixed seed runs on a stopped clock, so the same seed and input give the same colours.
RandomSource randomSourceFor(const std::optional<quint64> &seed)
{
    if (seed)
        return RandomSource(*seed, [] { return quint64(0); });
    return RandomSource(QRandomGenerator::system()->generate64());
}

} // namespace

FadeCommand::FadeCommand(FILE *input, FILE *output, FILE *errors)
    : m_input(input)
    , m_output(output)
    , m_errors(errors)
{ }

int FadeCommand::run(const QStringList &arguments)
{
    FadeArguments parsed;
    switch (parsed.parse(arguments)) {
    case FadeArguments::Action::Help:
        print(m_output, parsed.helpText());
        return Done;
    case FadeArguments::Action::Version:
        print(m_output,
              QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() +
                  u'\n');
        return Done;
    case FadeArguments::Action::UsageError:
        return usageError(parsed.problem());
    case FadeArguments::Action::Fade:
        break;
    }
    return fade(parsed.job());
}

int FadeCommand::fade(FadeJob job)
{
    const std::optional<QString> message = job.words.isEmpty() ? readInput() : job.words.join(u' ');
    if (!message)
        return usageError(u"standard input is not UTF-8 text"_s);
    job.request.message = withCrLfBreaks(*message);

    PlainFadeHost host(job.colors[0], job.colors[1], job.colors[2], job.count);
    SegmentState segments;
    RandomSource random = randomSourceFor(job.seed);
    const FadeResult result = GenerateFade(job.request, host, segments, random);
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

std::optional<QString> FadeCommand::readInput() const
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
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

void FadeCommand::print(FILE *stream, const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
