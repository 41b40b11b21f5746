#include "startup/TintraIntro.h"

#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/TestFiles.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Starts the program's intro over a cache folder of its own and a fixed set of installed fonts,
// counting how often the installed fonts are listed and how often the clock is read.
class Startup : public testing::Test
{
protected:
    Startup()
    {
        m_services.clock = [this] {
            return ++clockReadings * 0.001;
        };
    }

    QString cachePath() const { return m_folder.filePath(u"cache/Font Names.INI"_s); }

    TintraIntro &start(const QStringList &installed = {u"Alpha"_s, u"Beta"_s, u"Gamma"_s})
    {
        FontSources fonts {FontListFile(cachePath()), [this, installed] {
                               ++listings;
                               return installed;
                           }};
        m_intro = std::make_unique<TintraIntro>(m_services, std::move(fonts));
        m_intro->Form_Load();
        return *m_intro;
    }

    QComboBox &names() const { return m_intro->mainWindow().fontNameList(); }

    int listings = 0;
    int clockReadings = 0;
    AnsweringDialogs m_dialogs;

private:
    QTemporaryDir m_folder;
    RandomSource m_random {1};
    Services m_services {m_dialogs, m_random};
    std::unique_ptr<TintraIntro> m_intro;
};

// The first run lists the fonts, plain family names each once, and writes them to the cache,
// one pause before the loading and one per name on the program's clock; a later run reads them
// back from the cache instead.
TEST_F(Startup, FirstRunListsTheFamiliesOnceAndALaterRunReadsThemBack)
{
    const QStringList families {u"C059"_s, u"Nimbus Sans"_s, u"Arial"_s, u"Comic Sans MS"_s};
    TintraIntro &intro =
        start({u"C059 [urw]"_s, u"Nimbus Sans [URW ]"_s, u"C059 [other]"_s, u"Arial"_s, u"Arial"_s,
               u"Nimbus Sans"_s, u"Comic Sans MS [monotype]"_s});
    EXPECT_EQ(ItemTexts(names()), families);
    EXPECT_EQ(ReadBytes(cachePath()), FontListFile::bytesOf(families));
    EXPECT_EQ(intro.findChild<QLineEdit *>(u"Text1"_s)->text(), u"Comic Sans MS"_s);
    EXPECT_FALSE(intro.isVisible());
    EXPECT_TRUE(intro.mainWindow().isVisible());
    EXPECT_EQ(clockReadings, 2 * (1 + 4));

    start({u"Something"_s});
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(ItemTexts(names()), families);

    // A cache that cannot be written does not stop the program, nor is it mentioned.
    const QString cacheFolder = QFileInfo(cachePath()).path();
    QDir(cacheFolder).removeRecursively();
    WriteBytes(cacheFolder, "x");
    EXPECT_TRUE(start({u"Alpha"_s}).mainWindow().isVisible());
    EXPECT_EQ(ItemTexts(names()), QStringList {u"Alpha"_s});
    EXPECT_TRUE(m_dialogs.notices().empty());
}

// Comic Sans MS where it is listed, else the second font, else the only one; sizes 1 to 7 at 3.
TEST_F(Startup, ChoosesComicSansMsOrElseTheSecondFontAndSizeThree)
{
    const std::pair<QStringList, int> cases[] = {
        {{u"Alpha"_s, u"Beta"_s, u"Gamma"_s}, 1},
        {{u"Comic Sans MS"_s, u"Beta"_s}, 0},
        {{u"Alpha"_s, u"comic sans ms"_s, u"Gamma"_s, u"Comic Sans MS"_s}, 3},
        {{u"Alone"_s}, 0},
        {{}, -1},
    };
    for (const auto &[installed, selected] : cases) {
        QFile::remove(cachePath());
        start(installed);
        EXPECT_EQ(names().currentIndex(), selected) << qPrintable(installed.join(u','));
    }
    const QComboBox &sizes = start().mainWindow().fontSizeList();
    EXPECT_EQ(ItemTexts(sizes), u"1 2 3 4 5 6 7"_s.split(u' '));
    EXPECT_EQ(sizes.currentText(), u"3"_s);
}

// The title shows whole, and the caption is blank: Qt would show the application's name in an
// empty one's place.
TEST_F(Startup, TheIntroShowsItsTitleWholeAndNoCaption)
{
    TintraIntro &intro = start();
    const QLabel *title = intro.findChild<QLabel *>(u"Label1"_s);
    const QRect room = title->contentsRect();
    const QRect needed =
        QFontMetrics(title->font())
            .boundingRect(room, int(title->alignment()) | Qt::TextWordWrap, title->text());
    EXPECT_TRUE(title->wordWrap());
    EXPECT_EQ(needed.united(room), room);
    EXPECT_FALSE(intro.windowTitle().isEmpty());
    EXPECT_TRUE(intro.windowTitle().trimmed().isEmpty());
}

} // namespace
