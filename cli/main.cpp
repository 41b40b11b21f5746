#include "cli/FadeCommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    // The arguments as bytes: what is not UTF-8 is refused, not quietly replaced.
    const QByteArrayList arguments(argv, argv + argc);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintra-fade"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTRA_VERSION));
    FadeCommand command(stdin, stdout, stderr);
    return command.closeOutput(command.run(arguments));
}
