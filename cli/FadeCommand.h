#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

struct FadeJob;

// tintra-fade: reads a message from its arguments or standard input, fades it with the engine
// and prints the markup. Exit codes: 0 done, 1 refused or cancelled, 2 usage error.
class FadeCommand
{
public:
    enum ExitCode { Done = 0, Refused = 1, UsageError = 2 };

    FadeCommand(FILE *input, FILE *output, FILE *errors);

    int run(const QStringList &arguments);

private:
    int fade(FadeJob job);
    int usageError(const QString &problem);
    std::optional<QString> readInput() const;
    void print(FILE *stream, const QString &text) const;

    FILE *m_input;
    FILE *m_output;
    FILE *m_errors;
};
