#include "chat/TintaAOL.h"

#include "chat/testing/InMemoryWindowTree.h"
#include "engine/RandomSource.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Delivery = InMemoryWindowTree::Delivery;

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);
const QColor Grey(150, 150, 150);

// The chat window over a running client with one chat room open, the main window slid away.
class ChatWindow : public testing::Test
{
protected:
    ChatWindow()
    {
        const WindowHandle frame = tree.addTopLevel("AOL Frame25");
        const WindowHandle documents = tree.addChild(frame, "MDIClient");
        const WindowHandle room = tree.addChild(documents, "AOL Child");
        tree.addChild(room, "RICHCNTL");
        inputLine = tree.addChild(room, "RICHCNTL");
        tree.addChild(room, "_AOL_Listbox");

        services.mainWindow = &mainWindow;
        services.desktop = &tree;
        mainWindow.resize(400, 300);
        mainWindow.show();
        SlideOut(mainWindow);
        window = new TintaAOL(services, {u"Abadi"_s, u"Arial"_s, u"Comic Sans MS"_s}, &mainWindow);
        QApplication::setActiveWindow(window);
    }

    template<typename Control> Control *control(const QString &name) const
    {
        auto *found = window->findChild<Control *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QPlainTextEdit *text7() const { return control<QPlainTextEdit>(u"Text7"_s); }
    QComboBox *fades() const { return control<QComboBox>(u"Combo1"_s); }
    QComboBox *fonts() const { return control<QComboBox>(u"Combo2"_s); }
    QScrollBar *bar(int number) const { return control<QScrollBar>(u"HScroll%1"_s.arg(number)); }

    // What the user sees in the middle of a swatch.
    QColor swatch(const QString &name) const
    {
        QWidget *box = control<QWidget>(name);
        return box->grab().toImage().pixelColor(box->width() / 2, box->height() / 2);
    }

    // What the user sees in the middle of one of the chart's 80 bands (0 is the leftmost).
    QColor band(int index) const
    {
        const QImage &chart = control<PictureBox>(u"Picture3"_s)->image();
        return chart.pixelColor(static_cast<int>((index + 0.5) * chart.width() / 80),
                                chart.height() / 2);
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
        QCheckBox *box = control<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    void typeMessage(const QString &message) const
    {
        QTest::keyClick(text7(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text7(), Qt::Key_Delete);
        QTest::keyClicks(text7(), message);
    }

    // Sends the message as typed and returns the one line the room received, or nothing.
    std::optional<std::string> send(const QString &message) const
    {
        typeMessage(message);
        return pressSend();
    }

    std::optional<std::string> pressSend() const
    {
        const size_t before = tree.deliveries().size();
        QTest::mouseClick(control<QPushButton>(u"Command1"_s), Qt::LeftButton);
        const std::vector<Delivery> &deliveries = tree.deliveries();
        if (deliveries.size() == before)
            return std::nullopt;
        EXPECT_EQ(deliveries.size(), before + 2);
        EXPECT_EQ(deliveries.back(), (Delivery {Delivery::Character, inputLine, "\r"}));
        return deliveries[before].payload;
    }

    InMemoryWindowTree tree;
    WindowHandle inputLine = NoWindow;
    AnsweringDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(12345);
                         }};
    Services services {dialogs, random};
    QWidget mainWindow;
    QPointer<TintaAOL> window;
};

TEST_F(ChatWindow, OpensWithTTintaAndTheThreeColours)
{
    EXPECT_EQ(window->windowTitle(), u"AOL4 Razod Ozura"_s);
    ASSERT_EQ(fades()->count(), 9);
    EXPECT_EQ(fades()->currentText(), u"TTinta"_s);
    const QStringList expected {u"Normal Fade"_s, u"Rainbow"_s,   u"Randomize"_s,
                                u"Repeater"_s,    u"TTinta"_s,    u"DUDadodov"_s,
                                u"TCRepeater"_s,  u"TWMystery"_s, u"No Fade"_s};
    for (int index = 0; index < 9; ++index)
        EXPECT_EQ(fades()->itemText(index), expected[index]);
    const std::array<int, 9> values {255, 0, 0, 0, 0, 255, 0, 255, 0};
    for (int number = 1; number <= 9; ++number) {
        EXPECT_EQ(bar(number)->value(), values[number - 1]);
        EXPECT_EQ(bar(number)->maximum(), 255);
        EXPECT_TRUE(bar(number)->isEnabled());
    }
    EXPECT_EQ(swatch(u"Picture1"_s), Red);
    EXPECT_EQ(swatch(u"Picture2"_s), Blue);
    EXPECT_EQ(swatch(u"Picture4"_s), Green);
    // Red to blue, then blue to green, in two halves of 40 bands, right across the chart.
    EXPECT_EQ(band(0), Red);
    EXPECT_EQ(band(39), QColor(6, 0, 249));
    EXPECT_EQ(band(40), Blue);
    EXPECT_EQ(band(79), QColor(0, 249, 6));
    const QImage chart = control<PictureBox>(u"Picture3"_s)->grab().toImage();
    EXPECT_EQ(chart.pixelColor(chart.width() - 3, chart.height() / 2), QColor(0, 249, 6));
}

TEST_F(ChatWindow, OpensWithItsCaptionsAndTheMainWindowsFontsFromTheSecond)
{
    EXPECT_EQ(text7()->toPlainText(), u"Your text 2 send here\n"_s);
    EXPECT_EQ(control<QLabel>(u"Label1"_s)->text(), u"Fade Options:"_s);
    EXPECT_EQ(control<QPushButton>(u"Command1"_s)->text(), u"Send Text!"_s);
    EXPECT_EQ(control<QCheckBox>(u"Check1"_s)->text(), u"Waving"_s);
    EXPECT_EQ(control<QCheckBox>(u"Check2"_s)->text(), u"Bold Text"_s);
    EXPECT_EQ(control<QCheckBox>(u"Check3"_s)->text(), u"Elite Text"_s);
    for (const QString &name : {u"Check1"_s, u"Check2"_s, u"Check3"_s})
        EXPECT_FALSE(control<QCheckBox>(name)->isChecked());
    EXPECT_EQ(fonts()->currentText(), u"No Font"_s);
    EXPECT_EQ(fonts()->currentIndex(), -1);
    ASSERT_EQ(fonts()->count(), 2);
    EXPECT_EQ(fonts()->itemText(0), u"Arial"_s);
    EXPECT_EQ(fonts()->itemText(1), u"Comic Sans MS"_s);
    EXPECT_FALSE(fades()->isEditable());
    // The options are white on black.
    const QImage option = control<QCheckBox>(u"Check2"_s)->grab().toImage();
    EXPECT_EQ(option.pixelColor(option.width() - 2, 1), QColor(0, 0, 0));
}

TEST_F(ChatWindow, RestsOnTheBottomOfTheScreenCentredAndOnTop)
{
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(window->isVisible());
    EXPECT_NEAR(frame.bottom(), screen.bottom(), 1);
    EXPECT_NEAR(frame.left(), (screen.width() - frame.width()) / 2, 1);
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    const double dpi = LogicalDpi(*window);
    EXPECT_EQ(window->size(), TwipsToPixels(QRectF(0, 0, 9990, 1335), dpi).size());
}

struct PlaceCase
{
    const char *name;
    QRectF twips;
};

class ControlPlaces : public ChatWindow, public testing::WithParamInterface<PlaceCase>
{
};

TEST_P(ControlPlaces, StandWhereTheTableSays)
{
    EXPECT_EQ(control<QWidget>(QString::fromLatin1(GetParam().name))->geometry(),
              TwipsToPixels(GetParam().twips, LogicalDpi(*window)));
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlPlaces,
                         testing::Values(PlaceCase {"Text7", {120, 120, 1935, 1095}},
                                         PlaceCase {"Combo1", {2160, 480, 1335, 300}},
                                         PlaceCase {"Command1", {2160, 960, 1335, 255}},
                                         PlaceCase {"Check3", {3600, 600, 1335, 255}},
                                         PlaceCase {"Combo2", {3600, 930, 1335, 300}},
                                         PlaceCase {"HScroll3", {5040, 600, 975, 255}},
                                         PlaceCase {"HScroll4", {6600, 120, 1095, 255}},
                                         PlaceCase {"HScroll9", {8280, 600, 1095, 255}},
                                         PlaceCase {"Picture2", {7800, 120, 375, 735}},
                                         PlaceCase {"Picture4", {9480, 120, 375, 735}},
                                         PlaceCase {"Picture3", {5040, 960, 4815, 255}},
                                         PlaceCase {"Text1", {4200, 1800, 1215, 495}}),
                         [](const auto &info) { return std::string(info.param.name); });

// Landmark bands of a chart: which band shows which colour.
struct ChartCase
{
    const char *name;
    int fadeMode;
    bool thirdColourInUse;
    std::vector<std::pair<int, QColor>> bands;
};

class FadeChoice : public ChatWindow, public testing::WithParamInterface<ChartCase>
{
};

TEST_P(FadeChoice, AdaptsTheThirdColourAndRepaintsTheChart)
{
    pick(fades(), 0);
    pick(fades(), GetParam().fadeMode);
    EXPECT_EQ(fades()->currentIndex(), GetParam().fadeMode);
    for (int number = 7; number <= 9; ++number)
        EXPECT_EQ(bar(number)->isEnabled(), GetParam().thirdColourInUse);
    EXPECT_EQ(swatch(u"Picture4"_s), GetParam().thirdColourInUse ? Green : Grey);
    EXPECT_EQ(bar(8)->value(), 255);
    for (const auto &[index, colour] : GetParam().bands)
        EXPECT_EQ(band(index), colour) << "band " << index;
}

INSTANTIATE_TEST_SUITE_P(
    Types, FadeChoice,
    testing::Values(
        // Red to blue and on to green, in two halves of 40 bands.
        ChartCase {"TTinta",
                   4,
                   true,
                   {{0, Red}, {39, QColor(6, 0, 249)}, {40, Blue}, {79, QColor(0, 249, 6)}}},
        ChartCase {"DUDadodov", 5, true, {{0, Red}, {40, Blue}, {79, QColor(0, 249, 6)}}},
        // One gradient over 80 bands; the middle band rounds 127.5 to 128.
        ChartCase {
            "NormalFade", 0, false, {{0, Red}, {40, QColor(128, 0, 128)}, {79, QColor(3, 0, 252)}}},
        ChartCase {"NoFade", 8, false, {{0, Red}, {79, QColor(3, 0, 252)}}},
        // Segments over bands 1-21, 22-41, 42-61 and 62-80.
        ChartCase {"Repeater", 3, false, {{0, Red}, {21, Blue}, {41, Red}, {61, Blue}}},
        ChartCase {"TCRepeater",
                   6,
                   true,
                   {{0, Red}, {21, Blue}, {40, QColor(0, 242, 13)}, {41, Green}, {61, Blue}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ChatWindow, TypingIntoTheFadeListChangesNothing)
{
    QTest::keyClicks(fades(), u"No"_s);
    EXPECT_EQ(fades()->currentIndex(), 4);
    fades()->showPopup();
    QTest::keyClicks(fades()->view(), u"R"_s);
    QTest::keyClick(fades()->view(), Qt::Key_Return);
    EXPECT_EQ(fades()->currentIndex(), 4);
    QTest::keyClick(fades(), Qt::Key_Down);
    EXPECT_EQ(fades()->currentText(), u"DUDadodov"_s);
}

TEST_F(ChatWindow, SwatchAndChartFollowABarAsItMoves)
{
    QTest::keyClick(bar(1), Qt::Key_Home);
    EXPECT_EQ(bar(1)->value(), 0);
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(0, 0, 0));
    EXPECT_EQ(band(0), QColor(0, 0, 0));
    // A click into the groove left of the thumb moves it one page.
    QScrollBar *green = bar(8);
    QTest::mouseClick(green, Qt::LeftButton, {}, QPoint(green->width() / 4, green->height() / 2));
    EXPECT_EQ(green->value(), 245);
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(0, 245, 0));
    EXPECT_EQ(band(79), QColor(0, 239, 6)); // blue toward (0, 245, 0)
}

TEST_F(ChatWindow, SendsTheLineOfTheExampleIntoTheRoom)
{
    pick(fades(), 0);
    EXPECT_EQ(send(u"Hi"_s), "<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i");
    EXPECT_EQ(tree.textOf(inputLine), "<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i");
    EXPECT_EQ(control<QLineEdit>(u"Text1"_s)->palette().color(QPalette::Base), QColor(128, 0, 128));
    EXPECT_TRUE(dialogs.notices().empty());
}

struct LineCase
{
    const char *name;
    int fadeMode;
    bool waving;
    bool bold;
    int fontEntry; // -1: none picked
    const char16_t *message;
    const char *line;
};

class SentLine : public ChatWindow, public testing::WithParamInterface<LineCase>
{
};

TEST_P(SentLine, IsExactlyTheChatMarkup)
{
    const LineCase &line = GetParam();
    pick(fades(), line.fadeMode);
    if (line.waving)
        check(u"Check1"_s);
    if (line.bold)
        check(u"Check2"_s);
    if (line.fontEntry >= 0)
        pick(fonts(), line.fontEntry);
    typeMessage(QString());
    for (const QChar letter : QStringView(line.message)) {
        if (letter == u'\n')
            QTest::keyClick(text7(), Qt::Key_Return);
        else
            QTest::keyClicks(text7(), QString(letter));
    }
    EXPECT_EQ(pressSend(), std::string(line.line));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SentLine,
    testing::Values(
        LineCase {"BoldWithArial", 0, false, true, 0, u"Hi",
                  R"(<FONT FACE="Arial"><B><FONT COLOR=#FF0000>H<FONT COLOR=#800080>i)"},
        LineCase {"BoldWithoutAFontHasAnEmptyFace", 0, false, true, -1, u"Hi",
                  R"(<FONT FACE=""><B><FONT COLOR=#FF0000>H<FONT COLOR=#800080>i)"},
        LineCase {"AFontWithoutBoldIsLeftOut", 0, false, false, 1, u"Hi",
                  "<FONT COLOR=#FF0000>H<FONT COLOR=#800080>i"},
        LineCase {"LineBreakTakesOneTurn", 0, false, false, -1, u"A\nB",
                  "<FONT COLOR=#FF0000>A<br><FONT COLOR=#800080>B"},
        LineCase {"WavingInNormalFade", 0, true, false, -1, u"abcd",
                  "<sup><FONT COLOR=#FF0000>a</sup><FONT COLOR=#BF0040>b"
                  "<sub><FONT COLOR=#800080>c</sub><FONT COLOR=#4000BF>d"},
        LineCase {"NoFadeSendsTheMessageAsTyped", 8, false, true, 0, u"Hi\nyou", "Hi\r\nyou"},
        LineCase {"NoFadeWaving", 8, true, false, -1, u"abcde", "<sup>a</sup>b<sub>c</sub>d<sup>e"},
        LineCase {"NoFadeWavingWithBold", 8, true, true, 1, u"ab",
                  R"(<FONT FACE="Comic Sans MS"><B><sup>a</sup>b)"},
        LineCase {"NoFadeWavingLineBreakKeepsThePhase", 8, true, false, -1, u"A\nB",
                  "<sup>A<br></sup>B"},
        LineCase {"OneLetterInTTintaShowsColourOne", 4, false, false, -1, u"x",
                  "<FONT COLOR=#FF0000>x"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ChatWindow, ATypedFontNameIsNotAChoice)
{
    check(u"Check2"_s);
    QLineEdit *name = fonts()->lineEdit();
    name->selectAll();
    QTest::keyClicks(name, u"Arial"_s);
    EXPECT_EQ(fonts()->currentIndex(), -1);
    pick(fades(), 8);
    check(u"Check1"_s);
    EXPECT_EQ(send(u"a"_s), R"(<FONT FACE=""><B><sup>a)");
}

TEST_F(ChatWindow, RepeaterSegmentsAreSevenLettersAndEverySendStartsAtColourOne)
{
    pick(fades(), 3);
    const std::optional<std::string> first = send(u"abcdefghijklm"_s);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->starts_with("<FONT COLOR=#FF0000>a"));
    EXPECT_NE(first->find("<FONT COLOR=#0000FF>g"), std::string::npos);
    EXPECT_TRUE(first->ends_with("<FONT COLOR=#FF0000>m"));
    // Repainting the chart plans its own segments in between.
    QTest::keyClick(bar(2), Qt::Key_End);
    QTest::keyClick(bar(2), Qt::Key_Home);
    EXPECT_EQ(pressSend(), first);
    pick(fades(), 6);
    EXPECT_TRUE(pressSend()->starts_with("<FONT COLOR=#FF0000>a"));
}

TEST_F(ChatWindow, WhiteLosesOneStepOfBlueBeforeItIsSent)
{
    for (int number = 1; number <= 3; ++number)
        QTest::keyClick(bar(number), Qt::Key_End);
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(255, 255, 255));
    const std::optional<std::string> line = send(u"Hi"_s);
    ASSERT_TRUE(line.has_value());
    EXPECT_TRUE(line->starts_with("<FONT COLOR=#FFFFFE>H"));
    EXPECT_EQ(bar(3)->value(), 254);
    EXPECT_EQ(swatch(u"Picture1"_s), QColor(255, 255, 254));
    EXPECT_EQ(band(0), QColor(255, 255, 254));
}

TEST_F(ChatWindow, TheThirdSwatchStaysGreyWhileTheGuardChangesAnUnusedColour)
{
    for (int number = 7; number <= 9; ++number)
        QTest::keyClick(bar(number), Qt::Key_End);
    pick(fades(), 0);
    send(u"Hi"_s);
    EXPECT_EQ(bar(9)->value(), 254);
    EXPECT_EQ(swatch(u"Picture4"_s), Grey);
    pick(fades(), 6);
    EXPECT_EQ(swatch(u"Picture4"_s), QColor(255, 255, 254));
}

TEST_F(ChatWindow, MysteryFadesDrawTheBarsAndTheDisplaysFollow)
{
    pick(fades(), 5);
    const std::optional<std::string> line = send(u"x"_s);
    ASSERT_TRUE(line.has_value());
    const QColor first(bar(1)->value(), bar(2)->value(), bar(3)->value());
    EXPECT_NE(first, Red);
    EXPECT_EQ(swatch(u"Picture1"_s), first);
    EXPECT_EQ(band(0), first);
    EXPECT_EQ(*line, "<FONT COLOR=#" + first.name().mid(1).toUpper().toStdString() + ">x");
    for (int number = 1; number <= 9; ++number)
        EXPECT_LT(bar(number)->value(), 255);

    pick(fades(), 7);
    const int third = bar(8)->value();
    send(u"Hi"_s);
    EXPECT_EQ(bar(8)->value(), third);
}

TEST_F(ChatWindow, AnEmptyMessageIsRefusedAndNothingIsSent)
{
    EXPECT_EQ(send(QString()), std::nullopt);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    EXPECT_EQ(dialogs.notices()[0],
              (Notice {u"Hey Man, Enter Some Text!"_s, NoticeIcon::Critical, u"DUV or QY"_s}));
    EXPECT_TRUE(tree.deliveries().empty());
}

TEST_F(ChatWindow, NoChatRoomOpenSendsNothingAndSaysNothing)
{
    InMemoryWindowTree empty;
    services.desktop = &empty;
    typeMessage(u"Hi"_s);
    QTest::mouseClick(control<QPushButton>(u"Command1"_s), Qt::LeftButton);
    EXPECT_TRUE(empty.deliveries().empty());
    EXPECT_TRUE(dialogs.notices().empty());
}

TEST_F(ChatWindow, EliteTextSubstitutesTypedLettersAndDigitsOnly)
{
    typeMessage(u"Hi 2u"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Hi 2u"_s);

    check(u"Check3"_s);
    typeMessage(u"Hi 2u sI"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Hî ²µ $‡"_s);
    QTest::keyClick(text7(), Qt::Key_Backspace);
    QTest::keyClick(text7(), Qt::Key_Return);
    QTest::keyClicks(text7(), u"b!"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Hî ²µ $\nb!"_s);

    QGuiApplication::clipboard()->setText(u"pasted"_s);
    QTest::keyClick(text7(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text7()->toPlainText(), u"Hî ²µ $\nb!pasted"_s);

    check(u"Check3"_s);
    QTest::keyClicks(text7(), u"a"_s);
    EXPECT_TRUE(text7()->toPlainText().endsWith(u"pasteda"_s));
}

TEST_F(ChatWindow, ElitePassesThroughToTheRoomAsTyped)
{
    check(u"Check3"_s);
    pick(fades(), 8);
    EXPECT_EQ(send(u"hi"_s), "h\xC3\xAE"); // î in UTF-8
}

TEST_F(ChatWindow, ClosingSlidesAwayAndBringsTheMainWindowBack)
{
    const QRect screen = window->screen()->geometry();
    ASSERT_GT(mainWindow.frameGeometry().top(), screen.height());
    window->close();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_GT(window->frameGeometry().top(), screen.height());
    EXPECT_TRUE(mainWindow.isVisible());
    const QRect frame = mainWindow.frameGeometry();
    EXPECT_NEAR(frame.top(), (screen.height() - frame.height()) / 2, 1);
    EXPECT_NEAR(frame.left(), (screen.width() - frame.width()) / 2, 1);
    // The window is gone once the event loop runs again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

} // namespace
