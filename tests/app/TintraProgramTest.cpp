#include "app/TintraProgram.h"

#include "forms/main/Tintra3.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/GuiTests.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// Each test starts the program as on a machine where it never ran before.
class TintraProgramTest : public testing::Test
{
protected:
    FreshUserFolders folders;
};

TEST_F(TintraProgramTest, StartsWithTheFontListsFilledAndTheWindowInView)
{
    EXPECT_TRUE(FontListFile::defaultPath().startsWith(folders.home() + u'/'));
    const TintraProgram program;
    const QStringList names = ItemTexts(program.mainWindow().fontNameList());
    EXPECT_EQ(FontListFile().read(), names);
    EXPECT_TRUE(program.mainWindow().isVisible());
}

TEST_F(TintraProgramTest, MakesAPreviewFolderOfItsOwnAndTakesItAlongWhenItEnds)
{
    const QDir runtime(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    {
        const TintraProgram program;
        EXPECT_EQ(runtime.entryList({u"Tintra-preview-*"_s}, QDir::Dirs).size(), 1);
    }
    EXPECT_EQ(runtime.entryList({u"Tintra-preview-*"_s}, QDir::Dirs), QStringList());
}

// Closed as the window system closes it, also while a dialog of the main window is open, the
// main window takes the program along, dialog and all.
TEST_F(TintraProgramTest, ClosingTheMainWindowEndsTheProgram)
{
    for (const bool messageBoxOpen : {false, true}) {
        SCOPED_TRACE(messageBoxOpen);
        TintraProgram program;
        Tintra3 &window = program.mainWindow();
        QTimer::singleShot(0, &window, [&window, messageBoxOpen] {
            if (!messageBoxOpen)
                return CloseAsTheWindowSystemDoes(window);
            WhenDialogShows(QDialog::staticMetaObject,
                            [&window](QWidget &) { CloseAsTheWindowSystemDoes(window); });
            // A fade of BBCode viewed as a page gets a message box.
            FindControl<QAction>(window, u"BBCode"_s)->trigger();
            QTest::mouseClick(FindControl<QPushButton>(window, u"Command6"_s), Qt::LeftButton);
        });
        // A second timer ends a program that failed to quit, so the test cannot hang.
        bool stuck = false;
        QTimer::singleShot(10'000, [&stuck] {
            stuck = true;
            QCoreApplication::exit(1);
        });
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(stuck);
        for (QWidget *top : QApplication::topLevelWidgets())
            EXPECT_FALSE(top->isVisible()) << top->metaObject()->className();
    }
}

// Help, version and refusals answer where the windowing system is out of reach: the X11
// platform with no display aborts any program that gets as far as opening it. Qt's own options,
// with their values, are no mistake.
TEST(TintraCommandLine, AnswersOnTheCommandLine)
{
    const QByteArray version = "Tintra " TINTRA_VERSION "\n";
    const QByteArray tryHelp = "\nTry 'tintra --help' for more information.\n";
    // The arguments, the exit code and the answer, on standard output when the exit code is 0,
    // else on standard error.
    const std::tuple<QStringList, int, QByteArray> cases[] = {
        {{u"--help"_s}, 0, "-v, --version"},
        {{u"--version"_s}, 0, version},
        {{u"-style"_s, u"Fusion"_s, u"-reverse"_s, u"--version"_s}, 0, version},
        {{u"--bogus"_s}, 2, "tintra: Unknown option 'bogus'." + tryHelp},
        {{u"-platform"_s, u"offscreen"_s, u"notes.txt"_s},
         2,
         "tintra: unexpected argument \"notes.txt\"" + tryHelp},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    for (const auto &[arguments, exitCode, answer] : cases) {
        const QString name = arguments.join(u' ');
        QProcess tintra;
        tintra.setProcessEnvironment(environment);
        tintra.start(QStringLiteral(TINTRA_PROGRAM), arguments);
        ASSERT_TRUE(tintra.waitForFinished(30000)) << qPrintable(name);
        const QByteArray output = tintra.readAllStandardOutput();
        const QByteArray errors = tintra.readAllStandardError();
        EXPECT_EQ(tintra.exitStatus(), QProcess::NormalExit) << qPrintable(name);
        EXPECT_EQ(tintra.exitCode(), exitCode) << qPrintable(name) << errors.constData();
        EXPECT_TRUE((exitCode == 0 ? output : errors).contains(answer)) << qPrintable(name);
        EXPECT_TRUE(exitCode == 0 || output.isEmpty()) << qPrintable(name);
    }
}

} // namespace
