#include "PreviewTesting.h"

#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

namespace {

constexpr int LoadTimeoutMs = 10000;
constexpr int SettleTimeoutMs = 5000;

} // namespace

QByteArray PageBytes(const QByteArray &line1, const QByteArray &fragment)
{
    return "\xEF\xBB\xBF" + line1 + "\r\n" + fragment + "</BODY></HTML>\r\n";
}

bool WaitForLoad(QWebEngineView &view)
{
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    return loaded.wait(LoadTimeoutMs) && loaded.constFirst().constFirst().toBool();
}

QColor SettledPixel(QWebEngineView &view, QPoint point, QColor expected)
{
    QColor seen;
    // The caller compares what was seen, which names the colour when it never settled.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            seen = view.grab().toImage().pixelColor(point);
            return seen == expected;
        },
        SettleTimeoutMs));
    return seen;
}

QVariant RunScript(QWebEngineView &view, const QString &script)
{
    QVariant result;
    bool done = false;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, SettleTimeoutMs)) << "no script result";
    return result;
}

PreviewFixture::PreviewFixture()
{
    mainWindow.resize(200, 100);
}

Tinta2 *PreviewFixture::view(const QString &outputText, bool stayOnTop)
{
    return ViewHtmlFade(mainWindow, outputText, services, stayOnTop, file);
}

Tinta2 *PreviewFixture::viewAndLoad(const QString &outputText)
{
    Tinta2 *preview = view(outputText);
    EXPECT_NE(preview, nullptr);
    if (preview) {
        EXPECT_TRUE(WaitForLoad(*preview->browser()));
    }
    return preview;
}

void PreviewFixture::click(Tinta2 &preview, const char *button)
{
    auto *pushButton = preview.findChild<QPushButton *>(QLatin1String(button));
    ASSERT_NE(pushButton, nullptr) << button;
    QTest::mouseClick(pushButton, Qt::LeftButton);
}
