#include "cli/FadeCommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tintra-fade"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTRA_VERSION));
    return FadeCommand(stdin, stdout, stderr).run(QCoreApplication::arguments());
}
