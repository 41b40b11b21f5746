#include "app/TintraProgram.h"
#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

enum ExitCode { UsageError = 2 };

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Desktop HTML colour fader: type a message, pick up to three colours and a fade, and\n"
        "Tintra writes HTML in which every letter has its own colour."_s);
    parser.addHelpOption();
    parser.addVersionOption();
}

// Help and version are answered before the application reaches the windowing system, so they
// work where no display is available.
void answerHelpOrVersion(int &argc, char **argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    for (const QString &option : {u"help-all"_s, u"help"_s, u"version"_s}) {
        if (parser.isSet(option)) {
            const QCoreApplication application(argc, argv);
            // Prints the answer and ends the program, whatever else the command line holds.
            parser.process({arguments.constFirst(), u"--"_s + option});
        }
    }
}

// The application has taken Qt's own options out by now; anything left over is a mistake.
bool acceptsArguments()
{
    QCommandLineParser parser;
    describeOptions(parser);
    QString problem;
    if (!parser.parse(QCoreApplication::arguments()))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().constFirst());
    if (problem.isEmpty())
        return true;
    QTextStream(stderr) << "tintra: " << problem << "\nTry 'tintra --help' for more information.\n";
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // The font list cache lives in the program's own cache folder.
    QCoreApplication::setApplicationName(u"Tintra"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTRA_VERSION));
    answerHelpOrVersion(argc, argv);

    PrepareWebEngine();
    QApplication application(argc, argv);
    if (!acceptsArguments())
        return UsageError;
    // Desktops match the windows to the installed desktop entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINTRA_APP_ID));
    QApplication::setWindowIcon(QIcon(u":/icons/tintra.png"_s));
    TintraProgram program;
    return application.exec();
}
