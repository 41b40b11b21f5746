#include "engine/RandomSource.h"
#include "winhelpers/Pause.h"
#include "winhelpers/Services.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

struct CentringCase
{
    double screen;
    double window;
    int position;
};

class Centring : public testing::TestWithParam<CentringCase>
{
};

TEST_P(Centring, HalvesTheRoundedDifferenceTowardZero)
{
    EXPECT_EQ(CentredPosition(GetParam().screen, GetParam().window), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Centring,
    testing::Values(CentringCase {11520, 4000, 3760}, CentringCase {15360, 7950, 3705},
                    CentringCase {1001, 0, 500}, CentringCase {100.5, 0, 50}, // 100.5 rounds to 100
                    CentringCase {4000, 5001, -500}, CentringCase {4000, 8001, -2000}));

TEST(SlideInTops, MovesFromAboveTheScreenToTheCentre)
{
    const std::vector<int> tops = SlideInTops(-4000, 3760);
    ASSERT_EQ(tops.size(), 21U);
    EXPECT_EQ(tops.front(), -3600);
    EXPECT_EQ(tops[tops.size() - 2], 4000);
    EXPECT_EQ(tops.back(), 3760);
    for (size_t step = 1; step + 1 < tops.size(); ++step)
        EXPECT_EQ(tops[step] - tops[step - 1], 400);
}

TEST(SlideInTops, AWindowBelowTheCentreStepsOnceThenJumpsBack)
{
    EXPECT_EQ(SlideInTops(5000, 3760), (std::vector<int> {5400, 3760}));
}

TEST(SlideOutTops, StopsAtTheFirstTopBelowTheScreen)
{
    const std::vector<int> tops = SlideOutTops(3760, 11520);
    EXPECT_EQ(tops.front(), 4160);
    EXPECT_EQ(tops.back(), 11760);
    EXPECT_EQ(SlideOutTops(20000, 11520), (std::vector<int> {20400}));
}

TEST(Twips, FifteenTwipsPerPixelAtNinetySixDpi)
{
    EXPECT_EQ(TwipsToPixels(7830, 96), 522);
    EXPECT_EQ(TwipsToPixels(400, 96), 27); // 26.67
    EXPECT_EQ(TwipsToPixels(7830, 144), 783);
    EXPECT_DOUBLE_EQ(PixelsToTwips(266, 96), 3990);
    EXPECT_EQ(TwipsToPixels(QRectF(120, 4680, 1815, 375), 96), QRect(8, 312, 121, 25));
}

class Window : public testing::Test
{
protected:
    Window()
    {
        window.resize(300, 200);
        window.show();
    }

    int screenHeight() const { return window.screen()->geometry().height(); }
    int screenWidth() const { return window.screen()->geometry().width(); }

    QWidget window;
};

TEST_F(Window, SlideInEndsCentredVertically)
{
    PlaceAboveScreen(window);
    EXPECT_EQ(window.frameGeometry().bottom(), -1);
    SlideIn(window);
    EXPECT_NEAR(window.frameGeometry().top(),
                (screenHeight() - window.frameGeometry().height()) / 2, 1);
}

TEST_F(Window, SlideInToBottomRestsOnTheScreensBottomEdge)
{
    PlaceAboveScreen(window);
    SlideInToBottom(window);
    EXPECT_NEAR(window.frameGeometry().bottom(), screenHeight() - 1, 1);
}

TEST_F(Window, SlideOutEndsBelowTheScreen)
{
    CentreOnScreen(window);
    SlideOut(window);
    EXPECT_GT(window.frameGeometry().top(), screenHeight());
}

TEST_F(Window, ReturnMainWindowBringsTheRegisteredWindowBack)
{
    AnsweringDialogs dialogs;
    RandomSource random(1);
    Services services {dialogs, random};
    services.mainWindow = &window;
    window.move(0, 5000);
    window.hide();
    ReturnMainWindow(services);
    EXPECT_TRUE(window.isVisible());
    EXPECT_NEAR(window.frameGeometry().left(), (screenWidth() - window.frameGeometry().width()) / 2,
                1);
    EXPECT_NEAR(window.frameGeometry().top(),
                (screenHeight() - window.frameGeometry().height()) / 2, 1);
}

TEST_F(Window, StayOnTopChangesTheShownWindowInPlace)
{
    const QWindow *handle = window.windowHandle();
    StayOnTop(window);
    EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    NotOnTop(window);
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.windowHandle(), handle);
    EXPECT_TRUE(window.isVisible());
}

TEST(StayOnTop, WorksBeforeTheWindowIsShown)
{
    QWidget window;
    StayOnTop(window);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// A clock that moves on by a fixed step at every reading.
struct SteppingClock
{
    double now;
    double step;
    int readings = 0;

    MonotonicClock clock()
    {
        return [this] {
            ++readings;
            return now += step;
        };
    }
};

struct PauseCase
{
    double seconds;
    double step;
    int readings;
};

class Pausing : public testing::TestWithParam<PauseCase>
{
};

TEST_P(Pausing, EndsAfterTheRequestedTime)
{
    SteppingClock clock {86399.95, GetParam().step};
    Pause(GetParam().seconds, clock.clock());
    EXPECT_EQ(clock.readings, GetParam().readings);
}

INSTANTIATE_TEST_SUITE_P(Cases, Pausing,
                         testing::Values(PauseCase {0, 0.01, 0}, PauseCase {-1, 0.01, 0},
                                         PauseCase {1e-90, 1e-9, 2}, PauseCase {0.1, 0.03, 5},
                                         PauseCase {0.1, 0.2, 2}));

TEST(Pause, ProcessesPendingEventsWhileWaiting)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    Pause(1e-11);
    EXPECT_TRUE(ran);
}

TEST(AnsweringDialogs, AnswersInTurnThenCancels)
{
    AnsweringDialogs dialogs;
    dialogs.answerInput(QStringLiteral("7"));
    EXPECT_EQ(
        dialogs.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("5")),
        QStringLiteral("7"));
    EXPECT_EQ(
        dialogs.inputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("5")),
        QString());
    EXPECT_EQ(dialogs.questions().size(), 2U);
    EXPECT_EQ(dialogs.chooseColor(nullptr, 0), std::nullopt);
    dialogs.messageBox(nullptr, {QStringLiteral("Hi"), NoticeIcon::Question, QStringLiteral("T")});
    EXPECT_EQ(dialogs.notices().back().icon, NoticeIcon::Question);
}

} // namespace
