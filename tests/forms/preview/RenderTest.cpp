#include "PreviewTesting.h"
#include "forms/preview/Tinta2.h"

#include <QImage>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

// A big bold red "M" after the margin, so its middle is a solid run of the letter's colour.
const QString Fragment =
    QStringLiteral("<FONT FACE=\"Liberation Sans\" SIZE=7 COLOR=\"#FF0000\"><B>M</B></FONT>"
                   "<FONT COLOR=\"#0000FF\">\u00E5\u0192\u2020\u2021 \u00E9</FONT>");

// A corner of the page, inside the body's margin, where only the background shows.
const QPoint Corner(3, 3);

bool HasColour(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height() / 2; ++y) {
        for (int x = 0; x < image.width() / 2; ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

// Whether the letter shows in its colour once the page has been drawn, within a few seconds.
bool ShowsLetterColour(QWebEngineView &view, QColor colour)
{
    return QTest::qWaitFor([&] { return HasColour(view.grab().toImage(), colour); }, 5000);
}

using RenderedPreview = PreviewFixture;

TEST_F(RenderedPreview, ShowsTheFragmentOverEachBackground)
{
    Tinta2 *preview = viewAndLoad(Fragment);
    ASSERT_NE(preview, nullptr);
    QWebEngineView &page = *preview->browser();
    EXPECT_EQ(SettledPixel(page, Corner, Qt::white), QColor(Qt::white));
    EXPECT_TRUE(ShowsLetterColour(page, QColor(255, 0, 0)));
    EXPECT_EQ(ShownText(page), QStringLiteral("M\u00E5\u0192\u2020\u2021 \u00E9"));

    dialogs.answerColor(RGB(255, 128, 0));
    click(*preview, "Command1");
    ASSERT_TRUE(WaitForLoad(page));
    EXPECT_EQ(SettledPixel(page, Corner, QColor(255, 128, 0)), QColor(255, 128, 0));
    EXPECT_TRUE(ShowsLetterColour(page, QColor(255, 0, 0)));

    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    const QString pictureName =
        folder.filePath(QStringLiteral("my \"best\" #1 50% & caf\u00E9's.gif.png"));
    ASSERT_TRUE(picture.save(pictureName, "PNG"));
    dialogs.answerOpenFile(pictureName);
    click(*preview, "Command2");
    ASSERT_TRUE(WaitForLoad(page));
    EXPECT_EQ(SettledPixel(page, Corner, QColor(0, 0, 255)), QColor(0, 0, 255));

    click(*preview, "Command3");
    ASSERT_TRUE(WaitForLoad(page));
    EXPECT_EQ(SettledPixel(page, Corner, Qt::white), QColor(Qt::white));
    EXPECT_TRUE(ShowsLetterColour(page, QColor(255, 0, 0)));
}

} // namespace
