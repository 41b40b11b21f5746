#include "engine/FadeGenerator.h"
#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// With a screen reader and the keyboard alone: Tab visits every control, named, in the order of
// the window's layout; the chart and the bars say what they show as it changes; Ctrl+Return in
// the message box generates and Escape closes the options menu.
TEST(MainWindowAccessibility, EveryControlIsNamedInTabOrderAndWorksFromTheKeyboard)
{
    AnsweringDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(1);
                         }};
    Services services {dialogs, random};
    Tintra3 window(services);
    window.fontNameList().addItems({u"Arial"_s, u"Comic Sans MS"_s});
    window.fontSizeList().addItems({u"1"_s, u"3"_s});
    SlideIn(window);
    QApplication::setActiveWindow(&window);
    auto *fades = FindControl<QComboBox>(window, u"Combo3"_s);
    fades->setCurrentIndex(FadeMode::TTintra);

    std::vector<TourStop> tour {
        {u"Text7"_s, u"Message"_s},
        {u"Text10"_s, u"Fade markup"_s},
        {u"Command3"_s, u"CUT"_s},
        {u"Command4"_s, u"COPY"_s},
        {u"Command5"_s, u"PASTE"_s},
        {u"Command2"_s, u"AOL4 Chat Talker"_s},
        {u"Command6"_s, u"View HTML Fade"_s},
        {u"Command1"_s, u"Generate Fade"_s},
        {u"Command7"_s, u"Tintra 4.0 Options"_s},
    };
    const std::array<QString, 3> channels {u"red"_s, u"green"_s, u"blue"_s};
    for (int bar = 1; bar <= 9; ++bar) {
        const int which = (bar - 1) / 3 + 1;
        tour.push_back(
            {u"HScroll%1"_s.arg(bar), u"Colour %1 %2"_s.arg(which).arg(channels[(bar - 1) % 3])});
        if (bar % 3 == 0)
            tour.push_back({u"Text%1"_s.arg(which + 1), u"Colour %1"_s.arg(which)});
    }
    tour.insert(tour.end(),
                {{u"Combo3"_s, u"Fade type"_s},
                 {u"Combo2"_s, u"Font size"_s},
                 {u"Combo1"_s, u"Font name"_s},
                 {u"Picture1"_s, u"Fade chart"_s}});
    ExpectKeyboardTour(window, tour);

    auto *chart = FindControl(window, u"Picture1"_s);
    auto *green1 = FindControl<QScrollBar>(window, u"HScroll2"_s);
    const std::vector<std::pair<int, QString>> charts {
        {FadeMode::TTintra, u"TTintra Fade from #FF0000 through #0000FF to #00FF00"_s},
        {FadeMode::Repeater, u"Repeater Fade from #FF0000 to #0000FF and back, repeated"_s},
        {FadeMode::TCRepeater,
         u"TCRepeater Fade from #FF0000 through #0000FF to #00FF00 and back, repeated"_s},
        {FadeMode::Normal, u"Normal Fade from #FF0000 to #0000FF"_s},
    };
    for (const auto &[fade, description] : charts) {
        fades->setCurrentIndex(fade);
        EXPECT_EQ(AccessibleText(chart, QAccessible::Description), description);
    }
    EXPECT_EQ(AccessibleText(FindControl(window, u"Text4"_s), QAccessible::Description),
              u"Not used by this fade type"_s);
    green1->setFocus();
    QTest::keyClick(green1, Qt::Key_PageUp);
    EXPECT_EQ(AccessibleText(green1, QAccessible::Value), u"10"_s);
    EXPECT_EQ(AccessibleText(chart, QAccessible::Description),
              u"Normal Fade from #FF0A00 to #0000FF"_s);

    auto *message = FindControl<QPlainTextEdit>(window, u"Text7"_s);
    auto *output = FindControl<QPlainTextEdit>(window, u"Text10"_s);
    message->setPlainText(u"Hi"_s);
    QTest::keyClick(message, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(output->toPlainText().startsWith(u"<FONT"_s))
        << output->toPlainText().toStdString();
    output->clear();
    QTest::keyClick(message, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_FALSE(output->toPlainText().isEmpty());
    EXPECT_EQ(message->toPlainText(), u"Hi"_s);

    auto *options = FindControl(window, u"Command7"_s);
    auto *menu = FindControl<QMenu>(window, u"Tintra4"_s);
    options->setFocus();
    QTest::keyClick(options, Qt::Key_Space);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
}
