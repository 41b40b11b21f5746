#include "app/TintraProgram.h"

#include "forms/main/Tintra3.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/GuiTests.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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
    EXPECT_FALSE(names.isEmpty());
    EXPECT_EQ(FontListFile().read(), names);
    EXPECT_TRUE(program.mainWindow().isVisible());
}

TEST_F(TintraProgramTest, MakesAPreviewFolderOfItsOwnAndTakesItAlongWhenItEnds)
{
    const QDir runtime(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    const auto previewFolders = [&runtime] {
        return runtime.entryList({u"Tintra-preview-*"_s}, QDir::Dirs);
    };
    {
        const TintraProgram program;
        EXPECT_EQ(previewFolders().size(), 1);
    }
    EXPECT_EQ(previewFolders(), QStringList());
}

// Closed as the window system closes it, also while a dialog of the main window is open, the
// main window takes the program along, dialog and all.
TEST_F(TintraProgramTest, ClosingTheMainWindowEndsTheProgram)
{
    // How the user brings up a dialog, if at all, before closing the window.
    const std::pair<const char *, std::function<void(Tintra3 &)>> closings[] = {
        {"no dialog open", {}},
        {"a message box open",
         [](Tintra3 &window) {
             FindControl<QAction>(window, u"BBCode"_s)->trigger();
             QTest::mouseClick(FindControl<QPushButton>(window, u"Command6"_s), Qt::LeftButton);
         }},
        {"the colour chooser open",
         [](Tintra3 &window) {
             DoubleClick(FindControl(window, u"Text2"_s));
         }},
    };
    for (const auto &[dialog, open] : closings) {
        SCOPED_TRACE(dialog);
        TintraProgram program;
        Tintra3 &window = program.mainWindow();
        QTimer::singleShot(0, &window, [&window, &open] {
            if (!open)
                return CloseAsTheWindowSystemDoes(window);
            WhenDialogShows(QDialog::staticMetaObject,
                            [&window](QWidget &) { CloseAsTheWindowSystemDoes(window); });
            open(window);
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

} // namespace
