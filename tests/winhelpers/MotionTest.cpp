#include "winhelpers/Pause.h"
#include "winhelpers/WindowMotion.h"

#include <QAbstractEventDispatcher>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SlideTops, StepDownBySlideStepsToWhereTheWindowStops)
{
    // Sliding in overshoots the centre by less than a step, then jumps back to it.
    const std::tuple<const char *, std::vector<int>, size_t, int, int> cases[] = {
        {"in from above", SlideInTops(-4000, 3760), 21, -3600, 3760},
        {"in from below the centre", SlideInTops(5000, 3760), 2, 5400, 3760},
        {"out", SlideOutTops(3760, 11520), 20, 4160, 11760},
        {"out from below", SlideOutTops(20000, 11520), 1, 20400, 20400}};
    for (const auto &[name, tops, count, first, last] : cases) {
        SCOPED_TRACE(name);
        ASSERT_EQ(tops.size(), count);
        EXPECT_EQ(tops.front(), first);
        EXPECT_EQ(tops.back(), last);
        for (size_t step = 1; step + 1 < tops.size(); ++step)
            EXPECT_EQ(tops[step] - tops[step - 1], SlideStep) << step;
    }
}

// A shown window held above the screen stays there until it slides in, then stays where the user
// drags it.
TEST(WindowMotion, AWindowHeldAboveTheScreenStaysThereUntilItSlides)
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    const QRect screen = window.screen()->geometry();
    const auto heldAbove = [&] {
        EXPECT_EQ(window.frameGeometry().bottom(), -1);
        EXPECT_NEAR(window.frameGeometry().left(),
                    (screen.width() - window.frameGeometry().width()) / 2, 1);
    };
    HoldAboveScreen(window);
    heldAbove();
    // What a window manager does when it frames the window late: it moves it down and the
    // frame makes it larger.
    window.move(window.pos() + QPoint(4, 30));
    heldAbove();
    window.resize(310, 230);
    QCoreApplication::processEvents();
    heldAbove();
    HoldAboveScreen(window);
    SlideIn(window);
    EXPECT_NEAR(window.frameGeometry().top(),
                (screen.height() - window.frameGeometry().height()) / 2, 1);
    window.move(20, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(20, 10));
}

TEST(Pause, EndsAfterTheRequestedTimeEvenAcrossMidnightProcessingEventsMeanwhile)
{
    // A positive wait reads the clock at least twice, however fine the clock; a wait longer than
    // a second goes on past the first second.
    const std::tuple<double, double, int> cases[] = {
        {0, 0.01, 0}, {-1, 0.01, 0}, {1e-90, 1e-9, 2}, {0.1, 0.03, 5}, {0.1, 0.2, 2}, {2, 1.99, 3}};
    for (const auto &[seconds, step, expectedReadings] : cases) {
        double now = 86399.95;
        int readings = 0;
        Pause(seconds, [&] {
            ++readings;
            return now += step;
        });
        EXPECT_EQ(readings, expectedReadings) << seconds << " s by " << step;
    }
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    Pause(1e-11);
    EXPECT_TRUE(ran);
}

TEST(Pause, SleepsUntilAnEventComesInsteadOfPollingForOne)
{
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QSignalSpy asleep(dispatcher, &QAbstractEventDispatcher::aboutToBlock);
    QSignalSpy awake(dispatcher, &QAbstractEventDispatcher::awake);
    bool ran = false;
    QTimer::singleShot(20, [&] { ran = true; });
    Pause(0.05);
    EXPECT_TRUE(ran);
    EXPECT_GE(asleep.count(), 1);
    // A loop that polls wakes thousands of times in a twentieth of a second.
    EXPECT_LT(awake.count(), 50);
}

} // namespace
