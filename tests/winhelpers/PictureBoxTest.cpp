#include "winhelpers/PictureBox.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A box of 185 × 19 pixels, 2775 × 285 twips at 96 dpi, drawn on before it is ever shown, and
// clicked with the right button.
TEST(PictureBox, DrawsAndReportsPressesInTwipsOverItsWholeSize)
{
    PictureBox box;
    box.setFrameStyle(QFrame::NoFrame);
    box.resize(185, 19);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 2775);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 285);
    box.fillBox({0, 0}, {box.scaleWidth(), box.scaleHeight()}, RGB(0, 0, 255));
    box.fillBox({0, 0}, {150, 285}, RGB(255, 0, 0));
    EXPECT_EQ(box.image().size(), QSize(185, 19));
    EXPECT_EQ(box.image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(box.image().pixel(180, 15), qRgb(0, 0, 255));
    EXPECT_EQ(box.grab().toImage().pixel(5, 5), qRgb(255, 0, 0));
    box.clear();
    EXPECT_EQ(box.image().pixel(5, 5), qRgb(255, 255, 255));

    QSignalSpy clicks(&box, &PictureBox::clicked);
    QSignalSpy presses(&box, &PictureBox::pressed);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 2));
    EXPECT_EQ(clicks.size(), 1);
    ASSERT_EQ(presses.size(), 1);
    EXPECT_EQ(presses[0][0].toPointF(), QPointF(150, 30));
    EXPECT_EQ(presses[0][1].value<Qt::MouseButton>(), Qt::RightButton);
}

} // namespace
