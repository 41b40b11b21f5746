#include "app/TintraProgram.h"

#include "forms/main/Tintra3.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/GuiTests.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

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
    const QString cache = FontListFile::defaultPath();
    EXPECT_TRUE(cache.startsWith(folders.home() + u'/')) << cache.toStdString();
    EXPECT_FALSE(QFile::exists(cache));
    TintraProgram program;
    Tintra3 &window = program.mainWindow();
    // Plain family names, each once, so the cache gives every one of them back.
    const QStringList names = ItemTexts(window.fontNameList());
    EXPECT_FALSE(names.isEmpty());
    EXPECT_EQ(names.filter(u"["_s).size(), 0) << qPrintable(names.join(u','));
    EXPECT_EQ(QStringList(names).removeDuplicates(), 0);
    EXPECT_EQ(FontListFile().read(), names);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(TintraProgramTest, MakesAPreviewFolderOfItsOwnAndTakesItAlongWhenItEnds)
{
    const QDir runtime(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    const auto previewFolders = [&runtime] {
        return runtime.entryList({u"Tintra-preview-*"_s}, QDir::Dirs);
    };
    {
        const TintraProgram program;
        const QStringList made = previewFolders();
        ASSERT_EQ(made.size(), 1);
        EXPECT_TRUE(
            made[0].startsWith(u"Tintra-preview-%1-"_s.arg(QCoreApplication::applicationPid())))
            << made[0].toStdString();
    }
    EXPECT_EQ(previewFolders(), QStringList());
}

TEST_F(TintraProgramTest, ClosingTheMainWindowEndsTheProgram)
{
    TintraProgram program;
    QTimer::singleShot(0, &program.mainWindow(), &QWidget::close);
    // A second timer ends a program that failed to quit, so the test cannot hang.
    bool stuck = false;
    QTimer::singleShot(10'000, [&stuck] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(stuck);
    EXPECT_FALSE(program.mainWindow().isVisible());
}

} // namespace
