#include "winhelpers/PictureBox.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Picture : public testing::Test
{
protected:
    Picture()
    {
        box.setFrameStyle(QFrame::NoFrame);
        box.resize(185, 19);
        box.clear();
    }

    PictureBox box;
};

TEST_F(Picture, StartsWhiteAndKeepsWhatIsDrawn)
{
    EXPECT_EQ(box.image().pixel(0, 0), qRgb(255, 255, 255));
    box.fillBox({0, 0}, {150, 285}, RGB(255, 0, 0));
    EXPECT_EQ(box.image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(box.image().pixel(20, 5), qRgb(255, 255, 255));
    EXPECT_EQ(box.grab().toImage().pixel(5, 5), qRgb(255, 0, 0));
}

TEST(HiddenPicture, DrawingAfterAResizeCoversTheNewSize)
{
    PictureBox box;
    box.setFrameStyle(QFrame::NoFrame);
    box.resize(185, 19);
    box.fillBox({0, 0}, {box.scaleWidth(), box.scaleHeight()}, RGB(0, 0, 255));
    EXPECT_EQ(box.image().size(), QSize(185, 19));
    EXPECT_EQ(box.image().pixel(180, 15), qRgb(0, 0, 255));
}

TEST_F(Picture, MeasuresItselfInTwips)
{
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 2775);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 285);
}

TEST_F(Picture, ReportsClicksAndPressesInTwips)
{
    QSignalSpy clicks(&box, &PictureBox::clicked);
    QSignalSpy presses(&box, &PictureBox::pressed);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 2));
    EXPECT_EQ(clicks.size(), 1);
    ASSERT_EQ(presses.size(), 1);
    EXPECT_EQ(presses[0][0].toPointF(), QPointF(150, 30));
    EXPECT_EQ(presses[0][1].value<Qt::MouseButton>(), Qt::RightButton);
}

} // namespace
