#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

Outcome runTintra(const QStringList &arguments, const QString &platform)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, platform);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TINTRA_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}

// Help and version must answer where the windowing system is out of reach: the X11 platform
// with no display aborts any program that gets as far as opening it.
TEST(TintraCommandLine, AnswersHelpAndVersionWithoutADisplay)
{
    const struct
    {
        QStringList arguments;
        QByteArray output;
    } cases[] = {
        {{u"--help"_s}, "-v, --version"},
        {{u"-h"_s}, "Usage: "},
        {{u"--help-all"_s}, "--help-all"},
        {{u"--version"_s}, "Tintra " TINTRA_VERSION "\n"},
        {{u"-v"_s}, "Tintra " TINTRA_VERSION "\n"},
        {{u"-platform"_s, u"xcb"_s, u"--version"_s}, "Tintra " TINTRA_VERSION "\n"},
    };
    for (const auto &c : cases) {
        const Outcome outcome = runTintra(c.arguments, u"xcb"_s);
        const QString name = c.arguments.join(u' ');
        EXPECT_EQ(outcome.exitCode, 0) << qPrintable(name) << outcome.errors.constData();
        EXPECT_TRUE(outcome.output.contains(c.output)) << qPrintable(name);
    }
}

TEST(TintraCommandLine, RefusesWhatItDoesNotKnow)
{
    const struct
    {
        QStringList arguments;
        QByteArray problem;
    } cases[] = {
        {{u"--bogus"_s}, "tintra: Unknown option 'bogus'.\n"},
        {{u"message.txt"_s}, "tintra: unexpected argument \"message.txt\"\n"},
    };
    for (const auto &c : cases) {
        const Outcome outcome = runTintra(c.arguments, u"offscreen"_s);
        const QString name = c.arguments.join(u' ');
        EXPECT_EQ(outcome.exitCode, 2) << qPrintable(name);
        EXPECT_TRUE(outcome.errors.contains(c.problem + "Try 'tintra --help'"))
            << qPrintable(name) << outcome.errors.constData();
        EXPECT_TRUE(outcome.output.isEmpty()) << qPrintable(name);
    }
}

} // namespace
