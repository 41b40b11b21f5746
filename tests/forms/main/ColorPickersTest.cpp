#include "MainWindowFixture.h"
#include "engine/EliteText.h"

#include <QClipboard>
#include <QStyle>
#include <QStyleOptionSlider>

using namespace Qt::StringLiterals;

namespace {

using ColorPickers = MainWindowFixture;

// Clicks a part of the bar, found where the style draws it.
void clickOn(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.pageStep = bar->pageStep();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    ASSERT_TRUE(rect.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

struct BarCase
{
    const char *name;
    int fade, bar;
    QStyle::SubControl click; // none: keys only
    int pageUps, rights, value, label;
    const char *caption;
    QColor color;
    const char *hex;
};

using enum QStyle::SubControl;
const BarCase barCases[] = {
    {"Green1Keys", 0, 2, SC_None, 12, 8, 128, 2, "Green: 128", {255, 128, 0}, "#FF8000"},
    {"Red1ArrowLeft", 0, 1, SC_ScrollBarSubLine, 0, 0, 254, 1, "Red: 254", {254, 0, 0}, "#FE0000"},
    {"Blue1ArrowRight", 0, 3, SC_ScrollBarAddLine, 0, 0, 1, 3, "Blue: 1", {255, 0, 1}, "#FF0001"},
    {"Green2Track", 0, 5, SC_ScrollBarAddPage, 0, 0, 10, 5, "Green: 10", {0, 10, 255}, "#000AFF"},
    {"Blue3Key", 4, 9, SC_None, 0, 1, 1, 10, "Blue: 1", {0, 255, 1}, "#00FF01"},
    {"Red3Track", 6, 7, SC_ScrollBarAddPage, 0, 0, 10, 7, "Red: 10", {10, 255, 0}, "#0AFF00"}};

class BarMoves : public ColorPickers, public testing::WithParamInterface<BarCase>
{
};

TEST_P(BarMoves, ShowTheirColourInTheLabelTheBoxAndTheChart)
{
    const BarCase &c = GetParam();
    chooseFade(c.fade);
    QScrollBar *moved = bar(c.bar);
    if (c.click != SC_None)
        clickOn(moved, c.click);
    moved->setFocus();
    for (int key = 0; key < c.pageUps + c.rights; ++key)
        QTest::keyClick(moved, key < c.pageUps ? Qt::Key_PageUp : Qt::Key_Right);
    EXPECT_EQ(moved->value(), c.value);
    EXPECT_EQ(label(c.label), QString::fromUtf8(c.caption));
    const int colour = (c.bar - 1) / 3 + 1;
    EXPECT_EQ(background(box(colour)), c.color);
    EXPECT_EQ(box(colour)->text(), QString::fromUtf8(c.hex));
    if (colour == 1) {
        EXPECT_EQ(band(1), c.color);
    }
}

INSTANTIATE_TEST_SUITE_P(Bars, BarMoves, testing::ValuesIn(barCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ColorPickers, ChartBandsRunFromColourOneTowardTheNext)
{
    const std::tuple<int, int, QColor> bands[] = {
        {0, 1, QColor(255, 0, 0)},  {0, 2, QColor(252, 0, 3)},
        {0, 80, QColor(3, 0, 252)}, {1, 80, QColor(3, 0, 252)}, // rainbow as normal
        {4, 1, QColor(255, 0, 0)},  {4, 41, QColor(0, 0, 255)}, // middle is colour 2
        {4, 80, QColor(0, 249, 6)}, {5, 41, QColor(0, 0, 255)},
        {3, 42, QColor(255, 0, 0)}, // the repeater's second segment runs back
        {6, 42, QColor(0, 255, 0)}}; // the three-colour repeater's third segment
    for (const auto &[fade, number, colour] : bands) {
        chooseFade(fade);
        EXPECT_EQ(band(number), colour) << "fade " << fade << ", band " << number;
    }

    chooseFade(0);
    bar(4)->setFocus();
    QTest::keyClick(bar(4), Qt::Key_PageUp);
    EXPECT_EQ(band(80), QColor(13, 0, 252)); // 255 - 79 × 3.1875 and 79 × 10 / 80, rounded
}

TEST_F(ColorPickers, ColourThreeIsOfferedOnlyWhenTheFadeUsesIt)
{
    for (int fade = 0; fade <= 8; ++fade) {
        chooseFade(fade);
        const bool offered = fade >= 4 && fade <= 6;
        for (int number = 1; number <= 9; ++number)
            EXPECT_EQ(bar(number)->isEnabled(), number <= 6 || offered) << fade << ' ' << number;
        EXPECT_EQ(background(box(3)), offered ? QColor(0, 255, 0) : QColor(150, 150, 150)) << fade;
        EXPECT_EQ(box(3)->text(), u"#00FF00"_s);
    }

    // Colour three follows its bars while greyed and shows them when offered again.
    chooseFade(4);
    bar(7)->setFocus();
    QTest::keyClick(bar(7), Qt::Key_PageUp);
    chooseFade(3);
    EXPECT_EQ(background(box(3)), QColor(150, 150, 150));
    EXPECT_EQ(box(3)->text(), u"#0AFF00"_s);
    chooseFade(6);
    EXPECT_EQ(background(box(3)), QColor(10, 255, 0));
}

TEST_F(ColorPickers, RepeaterChartsLookAlikeAndLeaveTheNextFadeStartingAtColourOne)
{
    for (const int repeater : {3, 6}) {
        chooseFade(repeater);
        const QImage first = chart()->image();
        QTest::mouseClick(chart(), Qt::LeftButton);
        EXPECT_EQ(chart()->image(), first);
        dialogs.answerInput(u"2"_s);
        EXPECT_EQ(generate(u"Hi"_s),
                  uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">H</FONT>)"
                  uR"(<FONT COLOR="#0000FF">i</FONT></FONT>)"_s)
            << repeater;
    }
}

TEST_F(ColorPickers, MysteryFadeDrawsColoursOneAndTwoAndShowsThem)
{
    chooseFade(7);
    bar(7)->setValue(255);
    generate(u"Hi"_s);
    EXPECT_LT(bar(1)->value(), 255);
    EXPECT_EQ(bar(7)->value(), 255);
    const QColor first(bar(1)->value(), bar(2)->value(), bar(3)->value());
    EXPECT_EQ(label(1), u"Red: %1"_s.arg(first.red()));
    EXPECT_EQ(label(6), u"Blue: %1"_s.arg(bar(6)->value()));
    EXPECT_EQ(background(box(1)), first);
    EXPECT_EQ(box(1)->text(), u"#"_s + first.name().mid(1).toUpper());
    EXPECT_EQ(band(1), first);
}

TEST_F(ColorPickers, AResizedChartIsClearedAndLabelled)
{
    chart()->resize(chart()->width() + 30, chart()->height());
    const QImage &image = chart()->image();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), QColor(Qt::white));
    int dark = 0;
    for (int x = 0; x < image.width() / 2; ++x)
        dark += image.pixelColor(x, image.height() / 2).lightness() < 128;
    EXPECT_GT(dark, 0); // the caption "Fade Chart"
}

// Only the left button drags, and it counts from the last press of either button.
TEST_F(ColorPickers, DraggingTheChartMovesTheWindow)
{
    const QPoint grab(20, 8);
    const QPoint drop(50, 4);
    const QPoint start = window->pos();
    QTest::mousePress(chart(), Qt::RightButton, {}, grab);
    QTest::mouseMove(chart(), drop);
    EXPECT_EQ(window->pos(), start);
    QTest::mouseRelease(chart(), Qt::RightButton, {}, drop);

    QTest::mousePress(chart(), Qt::LeftButton, {}, grab);
    QTest::mouseMove(chart(), drop);
    QTest::mouseRelease(chart(), Qt::LeftButton, {}, drop);
    EXPECT_EQ(window->pos(), start + drop - grab);

    QTest::mousePress(chart(), Qt::LeftButton, {}, drop);
    QTest::mousePress(chart(), Qt::RightButton, {}, grab);
    QTest::mouseMove(chart(), drop);
    QTest::mouseRelease(chart(), Qt::RightButton, {}, drop);
    QTest::mouseRelease(chart(), Qt::LeftButton, {}, drop);
    EXPECT_EQ(window->pos(), start + (drop - grab) * 2);
}

TEST_F(ColorPickers, EliteTextSubstitutesTypedLettersButNotPastedOnes)
{
    const QString typed = u"Hi 2u sI a.b,c!"_s;
    typeMessage(typed);
    EXPECT_EQ(text7()->toPlainText(), typed);
    item(u"Elite"_s)->trigger();
    typeMessage(typed);
    EXPECT_EQ(text7()->toPlainText(), u"Hî ²µ $‡ å.b,¢!"_s);

    QGuiApplication::clipboard()->setText(typed);
    text7()->clear();
    clickInto(text7());
    QTest::keyClick(text7(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text7()->toPlainText(), typed);
    click(u"Command5"_s);
    EXPECT_EQ(text7()->toPlainText().count(typed), 2);
}

TEST_F(ColorPickers, TheMessageBoxKeepsItsEditingKeysWithAndWithoutEliteText)
{
    // The text before each undo: after deleting, breaking the line and typing over a selection.
    const QStringList plain {u"te\nt"_s, u"te\n"_s, u"te"_s, u"tex"_s, u"Your message here"_s};
    const QStringList elite {u"†è\n†"_s, u"†è\n"_s, u"†è"_s, u"†è×"_s, u"Your message here"_s};
    for (const QStringList &beforeEachUndo : {plain, elite}) {
        selectAll(text7());
        QTest::keyClicks(text7(), u"tex"_s);
        QTest::keyClick(text7(), Qt::Key_Backspace);
        QTest::keyClick(text7(), Qt::Key_Return);
        QTest::keyClicks(text7(), u"t"_s);
        for (const QString &expected : beforeEachUndo) {
            EXPECT_EQ(text7()->toPlainText(), expected);
            QTest::keyClick(text7(), Qt::Key_Z, Qt::ControlModifier);
        }
        item(u"Elite"_s)->trigger();
    }
}

// A substituted key is handed to the message box again; its substitute must stay as it is.
TEST(EliteTables, MapEverySubstituteToItself)
{
    for (const QStringView table : {EliteDigits, EliteLower, EliteUpper}) {
        for (const QChar substitute : table)
            EXPECT_EQ(EliteSubstitute(substitute), substitute) << int(substitute.unicode());
    }
}

} // namespace
