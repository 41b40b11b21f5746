#include "engine/EliteText.h"
#include "engine/RandomSource.h"
#include "forms/main/Tintra3.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Readable failure messages.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

static void PrintTo(const QColor &color, std::ostream *out)
{
    *out << "RGB(" << color.red() << ", " << color.green() << ", " << color.blue() << ')';
}

namespace {

class ColorPickers : public testing::Test
{
protected:
    ColorPickers()
    {
        window = std::make_unique<Tintra3>(services);
        window->fontNameList().addItem(u"Arial"_s);
        window->fontSizeList().addItem(u"3"_s);
        SlideIn(*window);
        QApplication::setActiveWindow(window.get());
    }

    template<typename Control> Control *control(const QString &name) const
    {
        auto *found = window->findChild<Control *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QScrollBar *bar(int number) const { return control<QScrollBar>(u"HScroll%1"_s.arg(number)); }
    QLineEdit *box(int colour) const { return control<QLineEdit>(u"Text%1"_s.arg(colour + 1)); }
    QPlainTextEdit *text7() const { return control<QPlainTextEdit>(u"Text7"_s); }
    PictureBox *chart() const { return control<PictureBox>(u"Picture1"_s); }
    QComboBox *fades() const { return control<QComboBox>(u"Combo3"_s); }

    QString labelText(int number) const
    {
        return control<QLabel>(u"Label%1"_s.arg(number))->text();
    }

    static QColor background(const QLineEdit *colourBox)
    {
        return colourBox->palette().color(QPalette::Base);
    }

    // Steps the fade list with the arrow keys, as a user picks from a closed list.
    void chooseFade(int mode) const
    {
        fades()->setFocus();
        while (fades()->currentIndex() < mode)
            QTest::keyClick(fades(), Qt::Key_Down);
        while (fades()->currentIndex() > mode)
            QTest::keyClick(fades(), Qt::Key_Up);
    }

    // The colour of a band (1..80) in the middle of its stripe.
    QColor band(int number) const
    {
        const QImage &image = chart()->image();
        const int x = int((number - 0.5) * image.width() / 80);
        return image.pixelColor(x, image.height() / 2);
    }

    QString generate(const QString &message) const
    {
        text7()->setPlainText(message);
        QTest::mouseClick(control<QPushButton>(u"Command1"_s), Qt::LeftButton);
        return control<QPlainTextEdit>(u"Text10"_s)->toPlainText();
    }

    AnsweringDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(12345);
                         }};
    Services services {dialogs, random};
    std::unique_ptr<Tintra3> window;
};

enum class Move { ArrowLeft, ArrowRight, TrackRight, KeyRight, KeysTo128 };

// Clicks a part of the bar, found where the style draws it.
void clickOn(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    ASSERT_TRUE(rect.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

void moveBar(QScrollBar *bar, Move move)
{
    switch (move) {
    case Move::ArrowLeft:
        clickOn(bar, QStyle::SC_ScrollBarSubLine);
        break;
    case Move::ArrowRight:
        clickOn(bar, QStyle::SC_ScrollBarAddLine);
        break;
    case Move::TrackRight:
        clickOn(bar, QStyle::SC_ScrollBarAddPage);
        break;
    case Move::KeyRight:
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        break;
    case Move::KeysTo128:
        bar->setFocus();
        for (int page = 0; page < 12; ++page)
            QTest::keyClick(bar, Qt::Key_PageUp);
        for (int step = 0; step < 8; ++step)
            QTest::keyClick(bar, Qt::Key_Right);
        break;
    }
}

struct BarCase
{
    const char *name;
    int fade;
    int bar;
    Move move;
    int value;
    int label;
    const char *caption;
    QColor color;
    const char *hex;
};

class BarMoves : public ColorPickers, public testing::WithParamInterface<BarCase>
{
};

TEST_P(BarMoves, ShowTheirColourInTheLabelTheBoxAndTheChart)
{
    const BarCase &c = GetParam();
    chooseFade(c.fade);
    moveBar(bar(c.bar), c.move);
    EXPECT_EQ(bar(c.bar)->value(), c.value);
    EXPECT_EQ(labelText(c.label), QString::fromUtf8(c.caption));
    const int colour = (c.bar - 1) / 3 + 1;
    EXPECT_EQ(background(box(colour)), c.color);
    EXPECT_EQ(box(colour)->text(), QString::fromUtf8(c.hex));
    if (colour == 1) {
        EXPECT_EQ(band(1), c.color);
    }
}

INSTANTIATE_TEST_SUITE_P(Bars, BarMoves,
                         testing::Values(BarCase {"GreenKeyedTo128", 0, 2, Move::KeysTo128, 128, 2,
                                                  "Green: 128", QColor(255, 128, 0), "#FF8000"},
                                         BarCase {"RedArrowLeft", 0, 1, Move::ArrowLeft, 254, 1,
                                                  "Red: 254", QColor(254, 0, 0), "#FE0000"},
                                         BarCase {"BlueArrowRight", 0, 3, Move::ArrowRight, 1, 3,
                                                  "Blue: 1", QColor(255, 0, 1), "#FF0001"},
                                         BarCase {"SecondGreenTrack", 0, 5, Move::TrackRight, 10, 5,
                                                  "Green: 10", QColor(0, 10, 255), "#000AFF"},
                                         BarCase {"ThirdBlueKey", 4, 9, Move::KeyRight, 1, 10,
                                                  "Blue: 1", QColor(0, 255, 1), "#00FF01"},
                                         BarCase {"ThirdRedTrack", 6, 7, Move::TrackRight, 10, 7,
                                                  "Red: 10", QColor(10, 255, 0), "#0AFF00"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ColorPickers, AColourChangeRedrawsTheChart)
{
    bar(4)->setFocus();
    QTest::keyClick(bar(4), Qt::Key_PageUp);
    EXPECT_EQ(band(80), QColor(13, 0, 252)); // 255 - 79 × 3.1875 and 79 × 10 / 80, rounded
}

struct BandCase
{
    const char *name;
    int fade;
    int band;
    QColor color;
};

class ChartBands : public ColorPickers, public testing::WithParamInterface<BandCase>
{
};

TEST_P(ChartBands, RunFromColourOneTowardTheNext)
{
    chooseFade(GetParam().fade);
    EXPECT_EQ(band(GetParam().band), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, ChartBands,
    testing::Values(BandCase {"NormalFirst", 0, 1, QColor(255, 0, 0)},
                    BandCase {"NormalSecond", 0, 2, QColor(252, 0, 3)},
                    BandCase {"NormalLast", 0, 80, QColor(3, 0, 252)},
                    BandCase {"RainbowLikeNormal", 1, 80, QColor(3, 0, 252)},
                    BandCase {"TTintraFirst", 4, 1, QColor(255, 0, 0)},
                    BandCase {"TTintraMiddleIsColourTwo", 4, 41, QColor(0, 0, 255)},
                    BandCase {"TTintraLast", 4, 80, QColor(0, 249, 6)},
                    BandCase {"DUDadodovMiddleIsColourTwo", 5, 41, QColor(0, 0, 255)},
                    BandCase {"RepeaterSecondSegmentBack", 3, 42, QColor(255, 0, 0)},
                    BandCase {"TCRepeaterThirdSegment", 6, 42, QColor(0, 255, 0)}),
    [](const auto &info) { return std::string(info.param.name); });

struct FadeChoice
{
    int fade;
    bool colour3Offered;
};

class FadeChoices : public ColorPickers, public testing::WithParamInterface<FadeChoice>
{
};

TEST_P(FadeChoices, OfferColourThreeOnlyWhenTheFadeUsesIt)
{
    chooseFade(GetParam().fade);
    const bool offered = GetParam().colour3Offered;
    for (int number = 7; number <= 9; ++number)
        EXPECT_EQ(bar(number)->isEnabled(), offered) << number;
    for (int number = 1; number <= 6; ++number)
        EXPECT_TRUE(bar(number)->isEnabled()) << number;
    EXPECT_EQ(background(box(3)), offered ? QColor(0, 255, 0) : QColor(150, 150, 150));
    EXPECT_EQ(box(3)->text(), u"#00FF00"_s);
}

INSTANTIATE_TEST_SUITE_P(Fades, FadeChoices,
                         testing::Values(FadeChoice {0, false}, FadeChoice {1, false},
                                         FadeChoice {2, false}, FadeChoice {3, false},
                                         FadeChoice {4, true}, FadeChoice {5, true},
                                         FadeChoice {6, true}, FadeChoice {7, false},
                                         FadeChoice {8, false}));

TEST_F(ColorPickers, TheLoadGreysColourThreeForTheNormalFade)
{
    EXPECT_EQ(fades()->currentIndex(), 0);
    EXPECT_FALSE(bar(8)->isEnabled());
    EXPECT_EQ(background(box(3)), QColor(150, 150, 150));
    EXPECT_EQ(box(3)->text(), u"#00FF00"_s);
    EXPECT_EQ(labelText(8), u"Green: 255"_s);
}

TEST_F(ColorPickers, ReofferingColourThreeShowsItsCurrentBars)
{
    chooseFade(4);
    bar(7)->setFocus();
    QTest::keyClick(bar(7), Qt::Key_PageUp);
    chooseFade(3);
    EXPECT_EQ(background(box(3)), QColor(150, 150, 150));
    EXPECT_EQ(box(3)->text(), u"#0AFF00"_s);
    chooseFade(6);
    EXPECT_EQ(background(box(3)), QColor(10, 255, 0));
}

class RepeatCharts : public ColorPickers, public testing::WithParamInterface<int>
{
};

TEST_P(RepeatCharts, LookAlikeAndLeaveTheNextFadeStartingAtColourOne)
{
    chooseFade(GetParam());
    const QImage first = chart()->image();
    QTest::mouseClick(chart(), Qt::LeftButton);
    EXPECT_EQ(chart()->image(), first);
    dialogs.answerInput(u"2"_s);
    EXPECT_EQ(generate(u"Hi"_s),
              uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">H</FONT>)"
              uR"(<FONT COLOR="#0000FF">i</FONT></FONT>)"_s);
}

INSTANTIATE_TEST_SUITE_P(Repeaters, RepeatCharts, testing::Values(3, 6));

TEST_F(ColorPickers, MysteryColoursShowInTheLabelsBoxesAndChart)
{
    chooseFade(7);
    generate(u"Hi"_s);
    const int red = bar(1)->value();
    const int blue = bar(6)->value();
    EXPECT_EQ(labelText(1), u"Red: %1"_s.arg(red));
    EXPECT_EQ(labelText(6), u"Blue: %1"_s.arg(blue));
    const QColor first(red, bar(2)->value(), bar(3)->value());
    EXPECT_EQ(background(box(1)), first);
    EXPECT_EQ(box(1)->text(), u"#"_s + first.name().mid(1).toUpper());
    EXPECT_EQ(band(1), first);
}

TEST_F(ColorPickers, ResizingRedrawsTheChartAcrossItsNewWidth)
{
    const int width = chart()->image().width();
    window->resize(window->width() * 3 / 2, window->height() * 3 / 2);
    EXPECT_GT(chart()->image().width(), width);
    EXPECT_EQ(band(1), QColor(255, 0, 0));
    EXPECT_EQ(band(80), QColor(3, 0, 252));
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

// Pointer positions on the chart, in its pixels.
constexpr QPoint Grab(20, 8);
constexpr QPoint Drop(50, 4);

TEST_F(ColorPickers, DraggingTheChartWithTheLeftButtonMovesTheWindow)
{
    const QPoint start = window->pos();
    QTest::mousePress(chart(), Qt::LeftButton, {}, Grab);
    QTest::mouseMove(chart(), Drop);
    QTest::mouseRelease(chart(), Qt::LeftButton, {}, Drop);
    EXPECT_EQ(window->pos(), start + Drop - Grab);
}

TEST_F(ColorPickers, TheRightButtonSetsTheAnchorButDoesNotDrag)
{
    const QPoint start = window->pos();
    QTest::mousePress(chart(), Qt::RightButton, {}, Grab);
    QTest::mouseMove(chart(), Drop);
    EXPECT_EQ(window->pos(), start);
    QTest::mouseRelease(chart(), Qt::RightButton, {}, Drop);

    // Left held from Drop, then right pressed at Grab: the move counts from Grab.
    QTest::mousePress(chart(), Qt::LeftButton, {}, Drop);
    QTest::mousePress(chart(), Qt::RightButton, {}, Grab);
    QTest::mouseMove(chart(), Drop);
    QTest::mouseRelease(chart(), Qt::RightButton, {}, Drop);
    QTest::mouseRelease(chart(), Qt::LeftButton, {}, Drop);
    EXPECT_EQ(window->pos(), start + Drop - Grab);
}

struct TypingCase
{
    const char *name;
    bool elite;
    const char *typed;
    const char *shown;
};

class EliteTyping : public ColorPickers, public testing::WithParamInterface<TypingCase>
{
};

TEST_P(EliteTyping, SubstitutesTypedDigitsAndLettersWhileSwitchedOn)
{
    if (GetParam().elite)
        control<QAction>(u"Elite"_s)->trigger();
    text7()->clear();
    QTest::keyClicks(text7(), QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(text7()->toPlainText(), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Keys, EliteTyping,
                         testing::Values(TypingCase {"On", true, "Hi 2u", "Hî ²µ"},
                                         TypingCase {"Off", false, "Hi 2u", "Hi 2u"},
                                         TypingCase {"DollarAndDagger", true, "sI", "$‡"},
                                         TypingCase {"Punctuation", true, "a.b,c!", "å.b,¢!"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct EditingCase
{
    const char *name;
    bool elite;
    std::array<const char *, 5> undoSteps; // the text before each undo, then after the last
};

class EliteEditing : public ColorPickers, public testing::WithParamInterface<EditingCase>
{
};

// Backspace, Enter, typing over a selection and undo work alike with and without elite text.
TEST_P(EliteEditing, KeepsTheTextBoxEditingKeys)
{
    if (GetParam().elite)
        control<QAction>(u"Elite"_s)->trigger();
    QTest::keyClick(text7(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(text7(), u"tex"_s);
    QTest::keyClick(text7(), Qt::Key_Backspace);
    QTest::keyClick(text7(), Qt::Key_Return);
    QTest::keyClicks(text7(), u"t"_s);
    for (const char *expected : GetParam().undoSteps) {
        EXPECT_EQ(text7()->toPlainText(), QString::fromUtf8(expected));
        QTest::keyClick(text7(), Qt::Key_Z, Qt::ControlModifier);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EliteEditing,
    testing::Values(EditingCase {"On", true, {"†è\n†", "†è\n", "†è", "†è×", "Your message here"}},
                    EditingCase {
                        "Off", false, {"te\nt", "te\n", "te", "tex", "Your message here"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ColorPickers, PastingWithEliteOnLeavesLettersAlone)
{
    control<QAction>(u"Elite"_s)->trigger();
    QGuiApplication::clipboard()->setText(u"Hi 2u"_s);
    text7()->clear();
    text7()->setFocus();
    QTest::keyClick(text7(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text7()->toPlainText(), u"Hi 2u"_s);
    QTest::mouseClick(text7()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(control<QPushButton>(u"Command5"_s), Qt::LeftButton);
    EXPECT_EQ(text7()->toPlainText().count(u"Hi 2u"_s), 2);
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
