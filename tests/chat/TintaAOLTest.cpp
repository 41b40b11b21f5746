#include "chat/TintaAOL.h"

#include "engine/RandomSource.h"
#include "tests/chat/RecordingSender.h"
#include "tests/testing/GuiTests.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QColor Grey(150, 150, 150);

// The chat window, the main window slid away.
class ChatWindow : public testing::Test
{
protected:
    ChatWindow()
    {
        mainWindow.resize(400, 300);
        mainWindow.show();
        SlideOut(mainWindow);
        window = new TintaAOL(services, {u"Abadi"_s, u"Arial"_s, u"Comic Sans MS"_s},
                              std::make_unique<RecordingSender>(sent), &mainWindow);
        QApplication::setActiveWindow(window);
    }

    QPlainTextEdit *text7() const { return FindControl<QPlainTextEdit>(*window, u"Text7"_s); }
    QComboBox *fades() const { return FindControl<QComboBox>(*window, u"Combo1"_s); }
    QComboBox *fonts() const { return FindControl<QComboBox>(*window, u"Combo2"_s); }
    QScrollBar *bar(int number) const
    {
        return FindControl<QScrollBar>(*window, u"HScroll%1"_s.arg(number));
    }

    // What the user sees in the middle of a swatch.
    QColor swatch(const QString &name) const
    {
        QWidget *box = FindControl<QWidget>(*window, name);
        return box->grab().toImage().pixelColor(box->width() / 2, box->height() / 2);
    }

    QColor band(int number) const
    {
        return ChartBand(*FindControl<PictureBox>(*window, u"Picture3"_s), number);
    }

    static void pick(QComboBox *list, int index)
    {
        list->showPopup();
        QAbstractItemView *view = list->view();
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    void check(const QString &name) const
    {
        QCheckBox *box = FindControl<QCheckBox>(*window, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    // Types the message over whatever the box held; a carriage return is a press of Enter.
    void typeMessage(const QString &message) const
    {
        text7()->clear();
        QTest::keyClicks(text7(), message);
    }

    // Sends the message as typed and returns the line sent, if any; a line goes without a word
    // to the user.
    std::optional<std::string> send(const QString &message)
    {
        typeMessage(message);
        const size_t before = sent.size();
        QTest::mouseClick(FindControl<QPushButton>(*window, u"Command1"_s), Qt::LeftButton);
        if (sent.size() == before)
            return std::nullopt;
        EXPECT_EQ(sent.size(), before + 1);
        EXPECT_TRUE(dialogs.notices().empty());
        return sent.back();
    }

    std::vector<std::string> sent;
    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    QWidget mainWindow;
    QPointer<TintaAOL> window;
};

// The window opens in "TTinta", its chart in two halves, with no font picked and its options
// white on black. A fade type that leaves colour 3 out greys its swatch and disables its bars;
// the swatches and the chart follow the bars, and a double click on a swatch chooses its colour.
TEST_F(ChatWindow, OpensInTTintaAndItsSwatchesAndChartFollowTheColours)
{
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(255, 0, 0));
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(0, 255, 0));
    EXPECT_EQ(band(41), QColor(0, 0, 255));
    EXPECT_EQ(band(80), QColor(0, 249, 6));
    EXPECT_EQ(fonts()->currentIndex(), -1);
    const QImage option = FindControl<QCheckBox>(*window, u"Check2"_s)->grab().toImage();
    EXPECT_EQ(option.pixelColor(option.width() - 2, 1), QColor(0, 0, 0));

    pick(fades(), 0);
    EXPECT_EQ(swatch(u"Picture4"_s), Grey);
    EXPECT_FALSE(bar(9)->isEnabled());
    EXPECT_EQ(band(41), QColor(128, 0, 128));

    pick(fades(), 4);
    QTest::keyClick(bar(8), Qt::Key_PageDown);
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(0, 245, 0));
    EXPECT_EQ(band(80), QColor(0, 239, 6)); // blue toward (0, 245, 0)
    dialogs.answerColor(RGB(1, 2, 3));
    DoubleClick(FindControl<QWidget>(*window, u"Picture2"_s));
    EXPECT_EQ(dialogs.colorsOffered(), std::vector {RGB(0, 0, 255)});
    EXPECT_EQ(swatch(u"Picture2"_s), QColor(1, 2, 3));
}

// The markup is the engine's: the window has to hand it the options, the picked font and the
// typed line breaks, and send the line as it comes. Only a picked font counts, not a typed name.
// An empty box is refused, and nothing is sent.
TEST_F(ChatWindow, SendsTheMessageWithItsOptionsAndThePickedFont)
{
    pick(fades(), 0);
    EXPECT_EQ(send(u"Hi"_s), "<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i");
    pick(fades(), 8);
    fonts()->lineEdit()->selectAll();
    QTest::keyClicks(fonts()->lineEdit(), u"Arial"_s);
    check(u"Check1"_s);
    check(u"Check2"_s);
    EXPECT_EQ(send(u"a"_s), R"(<FONT FACE=""><B><sup>a)");
    pick(fonts(), 1);
    EXPECT_EQ(send(u"ab"_s), R"(<FONT FACE="Comic Sans MS"><B><sup>a</sup>b)");
    check(u"Check1"_s);
    check(u"Check2"_s);
    check(u"Check3"_s);
    EXPECT_EQ(send(u"hi\ryou"_s), "h\xC3\xAE\r\n\xC3\xBD\xC2\xBA\xC2\xB5"); // hî, ýºµ
    // Elite Text switched off types plainly again; Tab moves on instead of typing.
    check(u"Check3"_s);
    QTest::keyClicks(text7(), u"s"_s);
    QTest::keyClick(text7(), Qt::Key_Tab);
    EXPECT_EQ(text7()->toPlainText(), u"hî\nýºµs"_s);
    EXPECT_NE(QApplication::focusWidget(), text7());
    // A paste from the desktop's empty clipboard leaves the message as it is.
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(text7(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text7()->toPlainText(), u"hî\nýºµs"_s);

    EXPECT_EQ(send(QString()), std::nullopt);
    EXPECT_EQ(dialogs.notices().size(), 1U);
}

// White, in use or not, loses one step of blue before a line is sent; the third swatch stays
// grey while its colour is unused.
TEST_F(ChatWindow, WhiteLosesOneStepOfBlueBeforeItIsSent)
{
    for (const int number : {1, 2, 3, 7, 8, 9})
        QTest::keyClick(bar(number), Qt::Key_End);
    pick(fades(), 0);
    EXPECT_TRUE(send(u"Hi"_s).value_or("").starts_with("<FONT COLOR=#FFFFFE>H"));
    EXPECT_EQ(bar(3)->value(), 254);
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(255, 255, 254));
    EXPECT_EQ(band(1), QColor(255, 255, 254));
    EXPECT_EQ(bar(9)->value(), 254);
    EXPECT_EQ(swatch(u"Picture4"_s), Grey);
    pick(fades(), 6);
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(255, 255, 254));
}

// On open the chat window rests centred on the bottom of the screen, on top; on close it slides
// away.
TEST_F(ChatWindow, OpensOnTheBottomOnTopAndOnCloseSlidesAway)
{
    const QRect screen = window->screen()->geometry();
    const QRect opened = window->frameGeometry();
    EXPECT_TRUE(window->isVisible());
    EXPECT_NEAR(opened.bottom(), screen.bottom(), 1);
    EXPECT_NEAR(opened.left(), (screen.width() - opened.width()) / 2, 1);
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    const QSignalSpy closed(window, &TintaAOL::closed);
    window->close();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_GT(window->frameGeometry().top(), screen.height());
    EXPECT_EQ(closed.size(), 1);
}

} // namespace
