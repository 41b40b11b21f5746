// Runs tintra-fade on fuzzed arguments and standard input, in memory, and checks its contract:
// exit 0 with UTF-8 markup and nothing on standard error, or exit 1 or 2 with one named
// problem and nothing on standard output.

#include "Invariant.h"
#include "cli/FadeCommand.h"
#include "cli/MessageInput.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// What a temporary file holds, read back from its start; the file is closed.
QByteArray readBack(FILE *file)
{
    std::rewind(file);
    QByteArray bytes;
    char block[4096];
    for (size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;)
        bytes.append(block, qsizetype(read));
    std::fclose(file);
    return bytes;
}

const QByteArray ReplacementCharacter = "\xEF\xBF\xBD";

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The help text names the program from the application's arguments.
    static QCoreApplication application(*argc, *argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintra-fade"));
    // A fuzzed --save-preset saves into a folder of the run's own, not the user's.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    QByteArrayList arguments = {"tintra-fade"};
    bool argumentsAreText = true;
    bool replacementInInput = false;
    for (int count = data.ConsumeIntegralInRange(0, 8); count > 0; --count) {
        const std::string argument = data.ConsumeRandomLengthString(40);
        arguments << QByteArray(argument.data(), qsizetype(argument.size()));
        argumentsAreText = argumentsAreText && DecodeUtf8(arguments.last()).has_value();
        replacementInInput = replacementInInput || arguments.last().contains(ReplacementCharacter);
    }
    std::string input = data.ConsumeRemainingBytesAsString();
    replacementInInput =
        replacementInInput || input.find(ReplacementCharacter.constData()) != std::string::npos;

    FILE *standardInput = fmemopen(input.data(), input.size(), "r");
    FILE *output = std::tmpfile();
    FILE *errors = std::tmpfile();
    Expect(standardInput && output && errors, "the streams open");
    FadeCommand command(standardInput, output, errors);
    const int exitCode = command.run(arguments);
    std::fclose(standardInput);
    const QByteArray written = readBack(output);
    const QByteArray problems = readBack(errors);

    Expect(exitCode >= 0 && exitCode <= 2, "the exit code is 0, 1 or 2");
    Expect(argumentsAreText || exitCode == FadeCommand::UsageError,
           "an argument that is not UTF-8 is a usage error");
    if (exitCode == FadeCommand::Done) {
        Expect(problems.isEmpty(), "a fade that is done reports nothing");
        Expect(written.endsWith('\n'), "the markup ends its line");
        Expect(DecodeUtf8(written).has_value(), "the markup is UTF-8");
        Expect(replacementInInput || !written.contains(ReplacementCharacter),
               "no character is lost on the way");
    } else {
        Expect(written.isEmpty(), "a refusal writes no markup");
        Expect(problems.startsWith("tintra-fade: ") && problems.endsWith('\n'),
               "a refusal is named on standard error");
    }
    return 0;
}
