#pragma once

#include <QByteArrayList>
#include <QString>

#include <cstdio>
#include <optional>

class PresetStore;
struct Preset;
struct FadeJob;
enum class OutputFormat;

// tintra-fade: reads a message from its arguments or standard input, fades it with the engine
// and prints the markup. Exit codes: 0 done; 1 refused, cancelled, or the output could not be
// written; 2 a usage error, or input that is not UTF-8 or cannot be read.
class FadeCommand
{
public:
    enum ExitCode { Done = 0, Refused = 1, UsageError = 2 };

    FadeCommand(FILE *input, FILE *output, FILE *errors);

    // The arguments as the program was given them, its own name first.
    int run(const QByteArrayList &arguments);

    // Closes the output, which reports a write held back until then; gives the exit code.
    int closeOutput(int exitCode);

private:
    class Output;

    int fade(FadeJob job);
    int listPresets(const PresetStore &store);
    int readStops(const std::optional<OutputFormat> &format);
    int savePreset(PresetStore &store, const Preset &preset);
    int usageError(const QString &problem);
    int refused(const QString &why);
    // Writes the text, after what went out before, and flushes it all, so a failed write is
    // known at once.
    int printResult(Output &output, QStringView text);

    FILE *m_input;
    FILE *m_output;
    FILE *m_errors;
};
