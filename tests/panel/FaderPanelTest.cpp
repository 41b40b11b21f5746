#include "panel/FaderPanel.h"

#include "engine/EliteText.h"
#include "engine/FadeGenerator.h"
#include "engine/RandomSource.h"
#include "engine/SegmentState.h"
#include "panel/ChoiceList.h"
#include "panel/ColorBars.h"
#include "panel/EliteTyping.h"
#include "panel/ReadableText.h"
#include "panel/TabMovesFocus.h"
#include "tests/testing/GuiTests.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window with the panel's bars, each as wide as the main window's, the chart and a display
// for colour 2, a message box and a list box.
class Panel : public testing::Test
{
protected:
    Panel()
    {
        window.resize(640, 200);
        std::array<QRectF, 9> places;
        for (int bar = 0; bar < 9; ++bar)
            places[bar] = {960.0 * (bar / 3), 240.0 * (bar % 3), 855, 255};
        chart = PlaceControl<PictureBox>(window, u"Chart"_s, {0, 800, 4815, 255});
        panel = new FaderPanel(window, services, places, *chart, ChartPrecision::Single, lastColor);
        panel->setFadeType(FadeMode::Normal);
        display = PlaceControl<QFrame>(window, u"Display"_s, {3000, 0, 375, 735});
        bars().chooseOnDoubleClick(*display, 2, dialogs);
        message = PlaceControl<QPlainTextEdit>(window, u"Message"_s, {0, 1200, 3000, 1000});
        list = PlaceControl<ChoiceList>(window, u"List"_s, {3200, 1200, 1335, 300});
        window.show();
        QApplication::setActiveWindow(&window);
    }

    ColorBars &bars() const { return panel->colorBars(); }
    QScrollBar *bar(int number) const
    {
        return window.findChild<QScrollBar *>(u"HScroll%1"_s.arg(number));
    }
    AnsweringDialogs dialogs;
    RandomSource random {7};
    Services services {dialogs, random};
    QLineEdit lastColor;
    QWidget window;
    PictureBox *chart = nullptr;
    FaderPanel *panel = nullptr;
    QFrame *display = nullptr;
    QPlainTextEdit *message = nullptr;
    ChoiceList *list = nullptr;
};

TEST_F(Panel, BarsHoldTheColoursAndOfferColourThreeOnlyToTheFadesThatUseIt)
{
    QSignalSpy changes(&bars(), &ColorBars::changed);
    bars().setChannel(5, 128);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toInt(), 2);
    EXPECT_EQ(bars().shownColor(2), RGB(0, 128, 255));

    for (int fade = FadeMode::Normal; fade <= FadeMode::NoFade; ++fade) {
        panel->setFadeType(fade);
        const bool offered = fade == FadeMode::TTintra || fade == FadeMode::DUDadodov ||
            fade == FadeMode::TCRepeater;
        EXPECT_EQ(bar(7)->isEnabled(), offered) << fade;
        EXPECT_EQ(bars().shownColor(3), offered ? RGB(0, 255, 0) : ColorBars::UnusedColor) << fade;
        EXPECT_EQ(changes.back()[0].toInt(), 3);
    }
}

// Each fade type's chart shows the bands of its pattern, in the main window's precision, and
// follows the bars.
TEST_F(Panel, TheChartShowsTheFadeTypesPatternAndFollowsTheBars)
{
    using enum ChartPattern;
    const std::pair<int, ChartPattern> types[] = {
        {FadeMode::Normal, TwoColors},      {FadeMode::Rainbow, TwoColors},
        {FadeMode::Repeater, Repeater},     {FadeMode::TTintra, ThreeColors},
        {FadeMode::DUDadodov, ThreeColors}, {FadeMode::TCRepeater, TCRepeater},
        {FadeMode::TWMystery, TwoColors},   {FadeMode::NoFade, TwoColors},
        {FadeMode::TCRepeater, TCRepeater}}; // again after a bar moved
    for (const auto &[fade, pattern] : types) {
        if (fade == FadeMode::NoFade)
            bars().setChannel(4, 10);
        panel->setFadeType(fade);
        SegmentState segments;
        const auto bands = FadeChartColors(pattern, ChartPrecision::Single, bars(), segments);
        for (int number = 1; number <= ChartBandCount; ++number) {
            const Rgb rgb = SplitColor(bands[number - 1]);
            ASSERT_EQ(ChartBand(*chart, number), QColor(rgb.red, rgb.green, rgb.blue))
                << "fade " << fade << ", band " << number;
        }
    }
    // Drawing a repeating chart plans its segments four times, so a fade still starts at colour 1.
    dialogs.answerInput(u"2"_s);
    EXPECT_TRUE(panel->fade({u"ab"_s, {}, FadeMode::TCRepeater})->contains(u"#FF0000\">a"_s));
}

// The first three stops are colours 1 to 3 on the bars, both ways; colour 3 is offered while
// there is a third stop, and the chart and its description run through every stop.
TEST_F(Panel, StopsKeepTheirFirstThreeOnTheBars)
{
    const Rgb white {255, 255, 255}, black {0, 0, 0};
    panel->setFadeType(FadeMode::Stops, u"Stops Fade"_s);
    panel->setStops({black, white, black, white});
    EXPECT_EQ(bars().color(2), white);
    EXPECT_TRUE(bar(7)->isEnabled());
    bars().setChannel(7, 255);
    const QList<Rgb> stops {black, white, {255, 0, 0}, white};
    EXPECT_EQ(panel->stops(), stops);
    EXPECT_EQ(ChartBand(*chart, 1), QColor(Qt::black));
    EXPECT_EQ(ChartBand(*chart, 80), QColor(Qt::white));
    EXPECT_EQ(chart->accessibleDescription(),
              u"Stops Fade through #000000, #FFFFFF, #FF0000, #FFFFFF"_s);
    EXPECT_TRUE(
        panel->fade({u"abcd"_s, {}, FadeMode::Stops})->endsWith(u"#FFFFFF\">d</FONT></FONT>"_s));

    panel->setStops({white, black});
    EXPECT_FALSE(bar(7)->isEnabled());
    EXPECT_EQ(panel->stops(), (QList<Rgb> {white, black}));
}

// A thumb dragged either way steps the value by one per pixel the pointer travels, through every
// value in order, and stops at the ends, also with the pointer far off the bar.
TEST_F(Panel, ADraggedThumbStepsThroughEveryValueInOrder)
{
    QScrollBar *red = bar(1);
    QStyleOptionSlider option;
    option.initFrom(red);
    option.orientation = Qt::Horizontal;
    option.maximum = 255;
    option.pageStep = red->pageStep();
    for (const int direction : {1, -1}) {
        const int from = direction > 0 ? 0 : 255;
        red->setValue(from);
        option.sliderPosition = from;
        const QPoint thumb =
            red->style()
                ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, red)
                .center();
        QTest::mousePress(red, Qt::LeftButton, {}, thumb);
        for (int travel = 1; travel <= 300; ++travel) {
            QTest::mouseMove(red, thumb + QPoint(direction * travel, travel / 4));
            ASSERT_EQ(red->value(), from + direction * std::min(travel, 255)) << travel;
        }
        QTest::mouseRelease(red, Qt::LeftButton, {}, thumb + QPoint(direction * 300, 75));
    }
}

TEST_F(Panel, ADoubleClickOnADisplayChoosesItsColourOnceItIsInUse)
{
    dialogs.answerColor(RGB(10, 20, 30));
    DoubleClick(display);
    DoubleClick(display); // cancelled
    EXPECT_EQ(dialogs.colorsOffered(), (std::vector {RGB(0, 0, 255), RGB(10, 20, 30)}));
    EXPECT_EQ(bars().color(2), (Rgb {10, 20, 30}));

    auto *colour3 = PlaceControl<QFrame>(window, u"Colour3"_s, {3600, 0, 375, 735});
    colour3->show();
    bars().chooseOnDoubleClick(*colour3, 3, dialogs);
    DoubleClick(colour3);
    EXPECT_EQ(dialogs.colorsOffered().size(), 2U);
}

TEST(ReadableText, StandsOutOnEveryColour)
{
    EXPECT_NEAR(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21, 1e-9);
    for (int red = 0; red < 256; red += 15) {
        for (int green = 0; green < 256; green += 15) {
            for (int blue = 0; blue < 256; blue += 15) {
                const ColorValue background = RGB(red, green, blue);
                ASSERT_GE(ContrastRatio(background, ReadableTextColor(background)), 4.5)
                    << red << ' ' << green << ' ' << blue;
            }
        }
    }
}

// Switched on, typed keys become their substitutes in the key's place: over a selection, undone
// as typing; a key of two characters at once, as a compose sequence gives, types both as they
// are, and a paste is never substituted.
TEST_F(Panel, EliteTypingSubstitutesTypedKeysOnlyAndUndoesAsTyping)
{
    EliteTyping &elite = *new EliteTyping(*message);
    message->setFocus();
    QTest::keyClicks(message, u"2a"_s);
    elite.setOn(true);
    QTest::keyClicks(message, u"2a."_s);
    EXPECT_EQ(message->toPlainText(), u"2a²å."_s);

    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(message, u"te"_s);
    QTest::keyClick(message, Qt::Key_Backspace);
    QTest::keyClick(message, Qt::Key_Return);
    EXPECT_EQ(message->toPlainText(), u"†\n"_s);
    for (const QString &before : {u"†"_s, u"†è"_s, u"2a²å."_s}) {
        QTest::keyClick(message, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(message->toPlainText(), before);
    }

    message->clear();
    QKeyEvent twoLetters(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"ab"_s);
    QApplication::sendEvent(message, &twoLetters);
    QGuiApplication::clipboard()->setText(u"2a"_s);
    QTest::keyClick(message, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(message->toPlainText(), u"ab2a"_s);

    // A substitute typed again comes back through the filter; it must stay as it is.
    for (const QStringView table : {EliteDigits, EliteLower, EliteUpper}) {
        for (const QChar substitute : table)
            EXPECT_EQ(EliteSubstitute(substitute), substitute) << int(substitute.unicode());
    }
}

TEST_F(Panel, TabMovesTheFocusOnAndCtrlTabTypesATab)
{
    new TabMovesFocus(*message);
    message->setFocus();
    QTest::keyClick(message, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(message->toPlainText(), u"\t"_s);
    QTest::keyClick(message, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(message->toPlainText(), u"\t"_s);
}

// A list opens as wide as its widest entry, shortens what it cannot show and takes no typing
// unless it is editable, where it shows the whole text while it has the focus.
TEST_F(Panel, AListOpensAsWideAsItsWidestEntryAndShortensWhatItCannotShow)
{
    const QString longest = u"TCRepeater Fade, told at length"_s;
    list->addItems({u"No Fade"_s, longest, u"Normal"_s});
    list->setFocus();
    QTest::keyClicks(list, u"Nor"_s);
    EXPECT_EQ(list->shownText(), u"No Fade"_s);
    QTest::keyClick(list, Qt::Key_Down);
    const QString shown = list->shownText();
    EXPECT_TRUE(shown.endsWith(u'…')) << shown.toStdString();
    EXPECT_LT(list->fontMetrics().horizontalAdvance(shown), list->width());

    list->showPopup();
    QAbstractItemView *popup = list->view();
    const QModelIndex entry = popup->model()->index(1, 0);
    EXPECT_GE(popup->viewport()->width(), popup->sizeHintForIndex(entry).width());
    QTest::keyClicks(popup, u"N"_s);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(list->currentIndex(), 1);

    list->makeEditable();
    list->setEditText(longest);
    message->setFocus();
    EXPECT_TRUE(list->shownText().endsWith(u'…'));
    list->lineEdit()->setFocus();
    EXPECT_EQ(list->shownText(), longest);
}

} // namespace
