#include "PreviewTesting.h"
#include "forms/preview/BrowserCheck.h"
#include "forms/preview/PreviewNotices.h"
#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"
#include "tests/testing/FreshUserFolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using PreviewWindow = PreviewFixture;

// A critical "Error" box that names what failed.
void ExpectError(const Notice &notice, const QStringList &named)
{
    EXPECT_EQ(notice.title, u"Error"_s);
    EXPECT_EQ(notice.icon, NoticeIcon::Critical);
    for (const QString &name : named)
        EXPECT_TRUE(notice.text.contains(name)) << notice.text.toStdString();
}

TEST_F(PreviewWindow, RefusalsAndFailuresShowOneMessageEachAndOpenNothing)
{
    size_t shown = 0;
    const auto refused = [&](const Tinta2 *preview) {
        EXPECT_EQ(preview, nullptr);
        EXPECT_FALSE(QFile::exists(file.path()));
        EXPECT_EQ(mainWindow.findChild<Tinta2 *>(), nullptr);
        EXPECT_EQ(dialogs.notices().size(), ++shown);
        return dialogs.notices().empty() ? Notice {} : dialogs.notices().back();
    };
    for (const QString &text :
         {QString(), u"   "_s, u"a plain word"_s, u"only <opening"_s, u"only closing>"_s})
        EXPECT_EQ(refused(view(text)), NoFadeNotice()) << text.toStdString();

    {
        const auto helper =
            SetVariableInScope("QTWEBENGINEPROCESS_PATH", "/nowhere/QtWebEngineProcess");
        ExpectError(refused(view(u"<B>x</B>"_s)),
                    {u"\"/nowhere/QtWebEngineProcess\""_s, u"libqt6webenginecore6-bin"_s});
    }
    EXPECT_EQ(MissingBrowserComponent(), std::nullopt);

    WriteBytes(folder.filePath(u"not a folder"_s), "x");
    const PreviewFile unwritable(folder.filePath(u"not a folder"_s));
    ExpectError(refused(ViewHtmlFade(mainWindow, u"<B>x</B>"_s, services, false, unwritable)),
                {unwritable.path()});
}

TEST_F(PreviewWindow, BackgroundButtonsRewriteLineOneAndKeepTheRest)
{
    // Every character that could end the attribute or start a reference or an address's part.
    const QString picture = u"/pics/my \"best\" #1 50% & 'q' <x>.jpg"_s;
    const QByteArray pictureLine =
        "<HTML><BODY BACKGROUND=\"file:///pics/"
        "my%20%22best%22%20%231%2050%25%20%26%20%27q%27%20%3Cx%3E.jpg\">";
    // Buttons clicked, the colour and picture chosen (none: the chooser is cancelled), and the
    // opening line written.
    const std::tuple<std::vector<const char *>, std::optional<ColorValue>, QString, QByteArray>
        cases[] = {{{"Command1"}, RGB(255, 128, 0), {}, "<HTML><BODY BGCOLOR=\"#FF8000\">"},
                   {{"Command1"}, 0, {}, "<HTML><BODY BGCOLOR=\"#000000\">"},
                   {{"Command2"}, {}, picture, pictureLine},
                   {{"Command3"}, {}, {}, "<HTML><BODY BGCOLOR=\"white\">"},
                   {{"Command2", "Command3"}, {}, picture, "<HTML><BODY BGCOLOR=\"white\">"},
                   {{"Command1"}, {}, {}, "<HTML><BODY>"},
                   {{"Command2"}, {}, {}, "<HTML><BODY>"}};
    for (const auto &[buttons, color, chosenPicture, line1] : cases) {
        SCOPED_TRACE(line1.toStdString());
        // Viewing again writes the plain page afresh into the open window.
        Tinta2 *preview = view(u"<B>a\nb</B>"_s);
        ASSERT_NE(preview, nullptr);
        if (color)
            dialogs.answerColor(color);
        if (!chosenPicture.isEmpty())
            dialogs.answerOpenFile(chosenPicture);
        for (const char *button : buttons)
            click(*preview, button);
        EXPECT_EQ(fileBytes(), PageBytes(line1, "<B>a\r\nb</B>"));
    }
    EXPECT_TRUE(dialogs.notices().empty());
}

// The picture chooser offers every picture format the preview shows, in the user's Pictures
// folder, or at home while there is none.
TEST_F(PreviewWindow, BackPictureLooksInThePicturesFolderForEveryFormatShown)
{
    Tinta2 *preview = view(u"<B>x</B>"_s);
    ASSERT_NE(preview, nullptr);
    const QDir home = QDir::home();
    click(*preview, "Command2");
    home.mkdir(u"Pictures"_s);
    click(*preview, "Command2");
    home.rmdir(u"Pictures"_s);
    const auto &asked = dialogs.filesAsked();
    ASSERT_EQ(asked.size(), 2U);
    EXPECT_EQ(asked[0].first, home.path());
    EXPECT_EQ(asked[1].first, home.filePath(u"Pictures"_s));
    const QStringList patterns = asked[0].second.split(QRegularExpression(u"[() ]"_s));
    for (const QString &pattern : u"*.png *.jpg *.jpeg *.gif *.webp *.bmp *.svg"_s.split(u' '))
        EXPECT_TRUE(patterns.contains(pattern)) << pattern.toStdString();
}

TEST_F(PreviewWindow, ABackgroundThatCannotBeWrittenIsReportedAndKeepsThePage)
{
    Tinta2 *preview = view(u"<B>x</B>"_s);
    ASSERT_NE(preview, nullptr);
    const QByteArray before = fileBytes();
    {
        // Files this process writes may not grow beyond a few bytes while it clicks.
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        });
        const rlimit limit {8, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        click(*preview, "Command3");
    }
    EXPECT_EQ(fileBytes(), before);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    ExpectError(dialogs.notices().front(), {file.path()});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList {PreviewFile::FileName})
        << "no half-written copy is left behind";
}

// Without a page to clear, "Clear Background" leaves the shown page alone instead of loading a
// missing file, and says nothing.
TEST_F(PreviewWindow, ClearingWithoutAPageChangesNothingAndShowsNothing)
{
    Tinta2 *preview = viewAndLoad(u"<B>x</B>"_s);
    ASSERT_NE(preview, nullptr);
    QFile::remove(file.path());
    QSignalSpy started(preview->browser(), &QWebEngineView::loadStarted);
    click(*preview, "Command3");
    QTest::qWait(100);
    EXPECT_TRUE(dialogs.notices().empty());
    EXPECT_EQ(started.count(), 0);
    EXPECT_FALSE(QFile::exists(file.path()));
}

// The preview opens showing the fragment's text, not its markup, over the background
// chosen. A view while the window is open writes the file without reloading the page and follows
// the main window's "Form Stay On Top" check mark.
TEST_F(PreviewWindow, ShowsTheFragmentAndAViewWhileOpenRewritesWithoutReloading)
{
    QPointer<Tinta2> preview =
        viewAndLoad(u"<FONT COLOR=\"#FF0000\"><B>M</B></FONT>\u00E5\u0192\u2020\u2021 \u00E9"_s);
    ASSERT_TRUE(preview);
    EXPECT_TRUE(dialogs.notices().empty());
    const auto onTop = [&] {
        return preview->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    };
    EXPECT_FALSE(onTop());
    QWebEngineView &page = *preview->browser();
    const QString shown = u"M\u00E5\u0192\u2020\u2021 \u00E9"_s;
    EXPECT_EQ(ShownText(page), shown);
    // A key that types several characters at once, as a compose sequence may, leaves the page
    // as it is.
    QApplication::setActiveWindow(preview);
    page.setFocus();
    QTest::sendKeyEvent(QTest::Click, preview->windowHandle(), Qt::Key_unknown,
                        u"ab\U0001F44D\U0001F3FD"_s, Qt::NoModifier);
    EXPECT_EQ(ShownText(page), shown);
    // A corner of the page, inside the body's margin, where only the background shows.
    const QPoint corner(3, 3);
    EXPECT_EQ(SettledPixel(page, corner, Qt::white), QColor(Qt::white));
    dialogs.answerColor(RGB(255, 128, 0));
    click(*preview, "Command1");
    ASSERT_TRUE(WaitForLoad(page));
    EXPECT_EQ(SettledPixel(page, corner, QColor(255, 128, 0)), QColor(255, 128, 0));

    QSignalSpy started(&page, &QWebEngineView::loadStarted);
    EXPECT_EQ(view(u"<I>second</I>"_s, true), preview);
    EXPECT_TRUE(onTop());
    QTest::qWait(200);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", "<I>second</I>"));
    EXPECT_EQ(ShownText(page), shown);
    view(u"<I>second</I>"_s, false);
    EXPECT_FALSE(onTop());

    preview->close();
    EXPECT_FALSE(QFile::exists(file.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.isNull(); }, 2000));
    // A later view opens a new window, on top when the check mark says so.
    Tinta2 *again = view(u"<I>y</I>"_s, true);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
