#include "app/TintraProgram.h"
#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTextStream>

#include <optional>

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

// The options that Qt's application object takes for itself, known here so that the command line
// can be checked before that object exists: making it needs a display.
void describeQtOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const char *const withValue[] = {"platform",    "platformpluginpath", "platformtheme",
                                     "plugin",      "qmljsdebugger",      "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle",       "session",
                                     "display",     "geometry",           "style",
                                     "stylesheet"};
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Answers help and version, and refuses what is no option of Tintra's or Qt's, before the
// application reaches the windowing system, so that they work where no display is available.
// Gives the exit code when the program ends here.
std::optional<int> answerCommandLine(int &argc, char **argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QCommandLineParser parser;
    describeOptions(parser);
    describeQtOptions(parser);
    const bool understood = parser.parse(arguments);
    for (const QString &option : {u"help-all"_s, u"help"_s, u"version"_s}) {
        if (parser.isSet(option)) {
            const QCoreApplication application(argc, argv);
            // Prints the answer and ends the program, whatever else the command line holds.
            parser.process({arguments.constFirst(), u"--"_s + option});
        }
    }
    QString problem;
    if (!understood)
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().constFirst());
    if (problem.isEmpty())
        return std::nullopt;
    QTextStream(stderr) << "tintra: " << problem << "\nTry 'tintra --help' for more information.\n";
    return UsageError;
}

} // namespace

int main(int argc, char **argv)
{
    // The font list cache lives in the program's own cache folder.
    QCoreApplication::setApplicationName(u"Tintra"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTRA_VERSION));
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    PrepareWebEngine();
    QApplication application(argc, argv);
    // Desktops match the windows to the installed desktop entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINTRA_APP_ID));
    QApplication::setWindowIcon(QIcon(u":/icons/tintra.png"_s));
    TintraProgram program;
    return application.exec();
}
