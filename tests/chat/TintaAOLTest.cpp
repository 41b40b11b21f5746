#include "tests/chat/ChatWindowTest.h"
#include "tests/testing/GuiTests.h"
#include "winhelpers/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

using ChatWindow = ChatWindowTest;

// The window opens centred on the bottom of the screen, on top, in "TTinta", with no font
// picked and its options white on black. The fade type, the bars and the swatches are wired: a
// fade type that leaves colour 3 out greys its swatch and disables its bars, and a double click
// on a swatch chooses its colour. On close the window slides away.
TEST_F(ChatWindow, OpensOnTheBottomInTTintaFollowsTheBarsAndSlidesAwayOnClose)
{
    const QRect screen = window->screen()->geometry();
    const QRect opened = window->frameGeometry();
    EXPECT_NEAR(opened.bottom(), screen.bottom(), 1);
    EXPECT_NEAR(opened.left(), (screen.width() - opened.width()) / 2, 1);
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(255, 0, 0));
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(0, 255, 0));
    EXPECT_EQ(ChartBand(*FindControl<PictureBox>(*window, u"Picture3"_s), 41), QColor(0, 0, 255));
    EXPECT_EQ(FindControl<QComboBox>(*window, u"Combo2"_s)->currentIndex(), -1);
    const QImage option = FindControl<QCheckBox>(*window, u"Check2"_s)->grab().toImage();
    EXPECT_EQ(option.pixelColor(option.width() - 2, 1), QColor(0, 0, 0));

    pick(u"Combo1"_s, 0);
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(150, 150, 150));
    EXPECT_FALSE(bar(9)->isEnabled());
    pick(u"Combo1"_s, 4);
    QTest::keyClick(bar(8), Qt::Key_PageDown);
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(0, 245, 0));
    dialogs.answerColor(RGB(1, 2, 3));
    DoubleClick(FindControl<QWidget>(*window, u"Picture2"_s));
    EXPECT_EQ(dialogs.colorsOffered(), std::vector {RGB(0, 0, 255)});
    EXPECT_EQ(swatch(u"Picture2"_s), QColor(1, 2, 3));

    const QSignalSpy closed(window, &TintaAOL::closed);
    window->close();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_GT(window->frameGeometry().top(), screen.height());
    EXPECT_EQ(closed.size(), 1);
}

// The markup is the engine's: the window hands it the fade type, the options, the picked font
// (the main window's list without its first entry; a typed name is no pick) and the typed line
// breaks, and sends the line as it comes.
TEST_F(ChatWindow, SendsTheMessageWithItsOptionsAndThePickedFont)
{
    pick(u"Combo1"_s, 0);
    EXPECT_EQ(send(u"Hi"_s), "<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i");
    pick(u"Combo1"_s, 8);
    QLineEdit *font = FindControl<QComboBox>(*window, u"Combo2"_s)->lineEdit();
    font->selectAll();
    QTest::keyClicks(font, u"Arial"_s);
    check(u"Check1"_s);
    check(u"Check2"_s);
    EXPECT_EQ(send(u"a"_s), R"(<FONT FACE=""><B><sup>a)");
    pick(u"Combo2"_s, 0);
    EXPECT_EQ(send(u"ab"_s), R"(<FONT FACE="Arial"><B><sup>a</sup>b)");
    check(u"Check1"_s);
    check(u"Check2"_s);
    check(u"Check3"_s);
    EXPECT_EQ(send(u"hi\ryou"_s), "h\xC3\xAE\r\n\xC3\xBD\xC2\xBA\xC2\xB5"); // hî, ýºµ
    EXPECT_EQ(sent.size(), 4U);
}

// White loses one step of blue before a line is sent, and the bars and swatches show it.
TEST_F(ChatWindow, WhiteLosesOneStepOfBlueBeforeItIsSent)
{
    for (const int number : {1, 2, 3})
        QTest::keyClick(bar(number), Qt::Key_End);
    pick(u"Combo1"_s, 0);
    EXPECT_TRUE(send(u"Hi"_s).starts_with("<FONT COLOR=#FFFFFE>H"));
    EXPECT_EQ(bar(3)->value(), 254);
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(255, 255, 254));
}

} // namespace
