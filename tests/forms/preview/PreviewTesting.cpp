#include "PreviewTesting.h"

#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>

constexpr int LoadTimeoutMs = 10000;
constexpr int SettleTimeoutMs = 5000;

QByteArray PageBytes(const QByteArray &line1, const QByteArray &fragment)
{
    return "\xEF\xBB\xBF" + line1 + "\r\n" + fragment + "</BODY></HTML>\r\n";
}

bool WaitForLoad(QWebEngineView &view)
{
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    return QTest::qWaitFor(
        [&] {
            return std::ranges::any_of(
                loaded, [](const QList<QVariant> &args) { return args[0].toBool(); });
        },
        LoadTimeoutMs);
}

QColor SettledPixel(QWebEngineView &view, QPoint point, QColor expected)
{
    QColor seen;
    // The caller compares what was seen, which names the colour when it never settled.
    static_cast<void>(QTest::qWaitFor(
        [&] { return (seen = view.grab().toImage().pixelColor(point)) == expected; },
        SettleTimeoutMs));
    return seen;
}

QString ShownText(QWebEngineView &view)
{
    std::optional<QString> result;
    view.page()->toPlainText([&](const QString &text) { result = text; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, SettleTimeoutMs))
        << "no text came back";
    return result.value_or(QString());
}

Tinta2 *PreviewFixture::view(const QString &outputText, bool stayOnTop)
{
    return ViewHtmlFade(mainWindow, outputText, services, stayOnTop, file);
}

Tinta2 *PreviewFixture::viewAndLoad(const QString &outputText)
{
    Tinta2 *preview = view(outputText);
    EXPECT_TRUE(preview && WaitForLoad(*preview->browser())) << "the preview did not load";
    return preview;
}

void PreviewFixture::click(Tinta2 &preview, const char *button)
{
    auto *pushButton = preview.findChild<QPushButton *>(QLatin1String(button));
    ASSERT_NE(pushButton, nullptr) << button;
    QTest::mouseClick(pushButton, Qt::LeftButton);
}
