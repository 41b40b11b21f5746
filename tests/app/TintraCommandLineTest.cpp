#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Starts tintra on the X11 platform with no display to be reached.
void startWithoutDisplay(QProcess &tintra, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    tintra.setProcessEnvironment(environment);
    tintra.start(QStringLiteral(TINTRA_PROGRAM), arguments);
}

// Help, version and refusals answer where the windowing system is out of reach: the X11
// platform with no display aborts any program that gets as far as opening it. Qt's own options,
// with their values, are no mistake.
TEST(TintraCommandLine, AnswersOnTheCommandLine)
{
    const QByteArray version = "Tintra " TINTRA_VERSION "\n";
    const QByteArray tryHelp = "\nTry 'tintra --help' for more information.\n";
    const struct
    {
        QStringList arguments;
        int exitCode;
        QByteArray answer; // on standard output when the exit code is 0, else on standard error
    } cases[] = {
        {{u"--help"_s}, 0, "-v, --version"},
        {{u"--version"_s}, 0, version},
        {{u"-platform"_s, u"xcb"_s, u"--version"_s}, 0, version},
        {{u"-style"_s, u"Fusion"_s, u"-reverse"_s, u"--version"_s}, 0, version},
        {{u"--bogus"_s}, 2, "tintra: Unknown option 'bogus'." + tryHelp},
        {{u"-platform"_s, u"offscreen"_s, u"notes.txt"_s},
         2,
         "tintra: unexpected argument \"notes.txt\"" + tryHelp},
    };
    for (const auto &c : cases) {
        const QString name = c.arguments.join(u' ');
        QProcess tintra;
        startWithoutDisplay(tintra, c.arguments);
        ASSERT_TRUE(tintra.waitForFinished(30000)) << qPrintable(name);
        const QByteArray output = tintra.readAllStandardOutput();
        const QByteArray errors = tintra.readAllStandardError();
        EXPECT_EQ(tintra.exitStatus(), QProcess::NormalExit) << qPrintable(name);
        EXPECT_EQ(tintra.exitCode(), c.exitCode) << qPrintable(name) << errors.constData();
        EXPECT_TRUE((c.exitCode == 0 ? output : errors).contains(c.answer)) << qPrintable(name);
        EXPECT_TRUE(c.exitCode == 0 || output.isEmpty()) << qPrintable(name);
    }
}

} // namespace
