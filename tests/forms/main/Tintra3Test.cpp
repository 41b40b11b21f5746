#include "forms/main/Tintra3.h"

#include "engine/RandomSource.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/Services.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Dialogs that also note what the output box showed while the count was asked.
class WatchingDialogs : public AnsweringDialogs
{
public:
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        outputWhileAsked = parent->findChild<QPlainTextEdit *>(u"Text10"_s)->toPlainText();
        return AnsweringDialogs::inputBox(parent, prompt, title, defaultText);
    }

    QString outputWhileAsked;
};

class MainWindow : public testing::Test
{
protected:
    MainWindow()
    {
        services.clock = [this] {
            return now += 0.05;
        };
        window = std::make_unique<Tintra3>(services);
        QComboBox &names = window->fontNameList();
        names.addItems({u"Arial"_s, u"Comic Sans MS"_s, u"DejaVu Sans"_s});
        names.setCurrentIndex(0);
        QComboBox &sizes = window->fontSizeList();
        sizes.addItems({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s});
        sizes.setCurrentIndex(2);
        SlideIn(*window);
        QApplication::setActiveWindow(window.get());
    }

    template<typename Control> Control *control(const QString &name) const
    {
        auto *found = window->findChild<Control *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QPlainTextEdit *text7() const { return control<QPlainTextEdit>(u"Text7"_s); }
    QPlainTextEdit *text10() const { return control<QPlainTextEdit>(u"Text10"_s); }
    QAction *item(const QString &name) const { return control<QAction>(name); }
    QScrollBar *bar(int number) const { return control<QScrollBar>(u"HScroll%1"_s.arg(number)); }

    void click(const QString &button) const
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    void clickInto(QPlainTextEdit *box) const
    {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    }

    void typeMessage(const QString &message) const
    {
        text7()->clear();
        QTest::keyClicks(text7(), message);
    }

    void chooseFade(int mode) const { control<QComboBox>(u"Combo3"_s)->setCurrentIndex(mode); }

    QString generate(const QString &message) const
    {
        typeMessage(message);
        click(u"Command1"_s);
        return text10()->toPlainText();
    }

    double now = 0;
    WatchingDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(12345);
                         }};
    Services services {dialogs, random};
    std::unique_ptr<Tintra3> window;
};

TEST(Tintra3Load, ShowsTheWindowJustAboveTheScreenCentredHorizontally)
{
    AnsweringDialogs dialogs;
    RandomSource random(1);
    Services services(dialogs, random);
    const Tintra3 window(services);
    EXPECT_TRUE(window.isVisible());
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.bottom(), -1);
    EXPECT_NEAR(frame.left(), (window.screen()->geometry().width() - frame.width()) / 2, 1);
}

TEST_F(MainWindow, LoadsWithItsCaptionTextsAndFadeList)
{
    EXPECT_EQ(window->windowTitle(), u"DUV or QY's HTML Razod Ozura 4.0"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Your message here"_s);
    EXPECT_EQ(text10()->toPlainText(), u"This is the output box\n"_s);
    auto *fades = control<QComboBox>(u"Combo3"_s);
    ASSERT_EQ(fades->count(), 9);
    EXPECT_EQ(fades->currentIndex(), 0);
    EXPECT_EQ(fades->itemText(0), u"Normal Fade"_s);
    EXPECT_EQ(fades->itemText(8), u"No Fade"_s);
    EXPECT_FALSE(fades->isEditable());
    EXPECT_TRUE(control<QComboBox>(u"Combo1"_s)->isEditable());
    EXPECT_EQ(window->focusWidget(), text7());
    EXPECT_EQ(control<QLineEdit>(u"Text2"_s)->text(), u"#FF0000"_s);
    EXPECT_EQ(control<QLabel>(u"Label10"_s)->text(), u"Blue: 0"_s);
    for (const QString &name :
         {u"Bold"_s, u"Italics"_s, u"Underline"_s, u"Waving"_s, u"Elite"_s, u"StayT"_s})
        EXPECT_FALSE(item(name)->isChecked()) << name.toStdString();
    EXPECT_EQ(item(u"Elite"_s)->text(), u"Elite Text"_s);
    EXPECT_EQ(item(u"StayT"_s)->text(), u"Form Stay On Top"_s);
}

TEST_F(MainWindow, ScrollBarsHoldTheThreeColours)
{
    const std::array<int, 9> values {255, 0, 0, 0, 0, 255, 0, 255, 0};
    for (int number = 1; number <= 9; ++number) {
        QScrollBar *scrollBar = bar(number);
        EXPECT_EQ(scrollBar->value(), values[number - 1]);
        EXPECT_EQ(scrollBar->maximum(), 255);
        EXPECT_EQ(scrollBar->singleStep(), 1);
        EXPECT_EQ(scrollBar->pageStep(), 10);
    }
}

struct PlaceCase
{
    const char *name;
    QRectF twips;
};

class ControlPlaces : public MainWindow, public testing::WithParamInterface<PlaceCase>
{
};

TEST_P(ControlPlaces, StandWhereTheLayoutPutsThem)
{
    const double dpi = LogicalDpi(*window);
    EXPECT_EQ(control<QWidget>(QString::fromLatin1(GetParam().name))->geometry(),
              TwipsToPixels(GetParam().twips, dpi));
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlPlaces,
                         testing::Values(PlaceCase {"Text7", {120, 120, 3735, 1815}},
                                         PlaceCase {"Text10", {3960, 120, 3735, 1815}},
                                         PlaceCase {"Command1", {5880, 2400, 1815, 375}},
                                         PlaceCase {"Command5", {2670, 2040, 1185, 255}},
                                         PlaceCase {"HScroll9", {4920, 2880, 855, 255}},
                                         PlaceCase {"Label10", {3960, 2880, 975, 255}},
                                         PlaceCase {"Text4", {3960, 3240, 1815, 285}},
                                         PlaceCase {"Combo1", {2880, 3600, 1935, 300}},
                                         PlaceCase {"Picture1", {4920, 3600, 2775, 285}},
                                         PlaceCase {"Text1", {120, 4680, 1815, 375}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindow, GenerateFadeWritesTheMarkupIntoTheOutputBox)
{
    EXPECT_EQ(generate(u"Hi"_s),
              uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">H</FONT>)"
              uR"(<FONT COLOR="#800080">i</FONT></FONT>)"_s);
    EXPECT_TRUE(dialogs.notices().empty());
    EXPECT_EQ(control<QLineEdit>(u"Text1"_s)->palette().color(QPalette::Base), QColor(128, 0, 128));
}

TEST_F(MainWindow, GenerateFadeReadsTheOptionsAndTheChosenFont)
{
    item(u"Bold"_s)->trigger();
    item(u"Underline"_s)->trigger();
    window->fontNameList().setCurrentIndex(1);
    window->fontSizeList().setCurrentIndex(4);
    EXPECT_TRUE(generate(u"Hi"_s).startsWith(uR"(<FONT FACE="Comic Sans MS" SIZE=5><B><U>)"_s));
}

TEST_F(MainWindow, AFontNameTypedThatIsNotListedGivesAnEmptyFace)
{
    QComboBox *names = control<QComboBox>(u"Combo1"_s);
    names->lineEdit()->clear();
    QTest::keyClicks(names->lineEdit(), u"Nowhere"_s);
    EXPECT_EQ(names->currentText(), u"Nowhere"_s);
    EXPECT_TRUE(generate(u"Hi"_s).startsWith(uR"(<FONT FACE="" SIZE=3>)"_s));
}

TEST_F(MainWindow, LineBreaksTypedReachTheFadeAsOneTurn)
{
    typeMessage(u"A"_s);
    QTest::keyClick(text7(), Qt::Key_Return);
    QTest::keyClicks(text7(), u"B"_s);
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText(),
              uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">A</FONT>)"
              uR"(<br><FONT COLOR="#800080">B</FONT></FONT>)"_s);
}

TEST_F(MainWindow, NoFadeShowsTheMessageWithItsLineBreaks)
{
    chooseFade(8);
    typeMessage(u"A"_s);
    QTest::keyClick(text7(), Qt::Key_Return);
    QTest::keyClicks(text7(), u"B"_s);
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText(), u"A\nB"_s);
}

TEST_F(MainWindow, AnEmptyMessageIsRefusedInAMessageBox)
{
    EXPECT_EQ(generate(QString()), u"This is the output box\n"_s);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    EXPECT_EQ(dialogs.notices()[0],
              (Notice {u"Hey Man, Enter Some Text!"_s, NoticeIcon::Critical, u"DUV or QY"_s}));
}

TEST_F(MainWindow, ViewHtmlFadeRefusesAnOutputBoxWithoutMarkupAndPreviewsAFade)
{
    click(u"Command6"_s);
    ASSERT_EQ(dialogs.notices().size(), 1U);
    EXPECT_EQ(dialogs.notices()[0].text, u"There is no fade 2 view"_s);
    EXPECT_EQ(window->findChild<QWidget *>(u"Tinta2"_s), nullptr);

    generate(u"Hi"_s);
    click(u"Command6"_s);
    EXPECT_EQ(dialogs.notices().size(), 1U);
    const QWidget *preview = window->findChild<QWidget *>(u"Tinta2"_s);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), u"Your HTML Color Faded Message..."_s);
}

TEST_F(MainWindow, AMessageOverFourteenHundredLettersIsRefusedInTheOutputBox)
{
    text7()->setPlainText(QString(1400, u'x'));
    QTest::keyClicks(text7(), u"y"_s);
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText(), u"Error: The message is too big for the textbox 2 hold."_s);
    EXPECT_TRUE(dialogs.notices().empty());

    QTest::keyClick(text7(), Qt::Key_Backspace);
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText().count(u"<FONT COLOR="_s), 1400);
}

struct CountCase
{
    const char *name;
    const char *answer;
    const char *notice; // none when empty
    bool faded;
};

class CountBox : public MainWindow, public testing::WithParamInterface<CountCase>
{
};

TEST_P(CountBox, AsksWhileTheProgressShowsAndActsOnTheAnswer)
{
    chooseFade(3);
    dialogs.answerInput(QString::fromLatin1(GetParam().answer));
    const QString output = generate(u"Hello"_s);
    ASSERT_EQ(dialogs.questions().size(), 1U);
    EXPECT_EQ(dialogs.questions()[0],
              (AnsweringDialogs::Question {u"You want the fade 2 repeat every ??? letters..."_s,
                                           u"Repeater Fade"_s, u"5"_s}));
    EXPECT_EQ(dialogs.outputWhileAsked, u"Generating fade..."_s);
    const QString notice = QString::fromLatin1(GetParam().notice);
    if (notice.isEmpty()) {
        EXPECT_TRUE(dialogs.notices().empty());
    } else {
        ASSERT_EQ(dialogs.notices().size(), 1U);
        EXPECT_EQ(dialogs.notices()[0], (Notice {notice, NoticeIcon::Question, u"DUV or QY"_s}));
    }
    EXPECT_EQ(output.startsWith(u"<FONT FACE="_s), GetParam().faded);
    if (!GetParam().faded) {
        EXPECT_EQ(output, QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CountBox,
    testing::Values(CountCase {"Accepted", "3", "", true}, CountCase {"Cancelled", "", "", false},
                    CountCase {"Letters", "abc", "Not a valid number", false},
                    CountCase {"TooSmall", "1", "Not a valid fading number", false},
                    CountCase {"TooLarge", "501", "Not a valid fading number", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindow, MysteryFadeDrawsColoursOneAndTwoIntoTheBars)
{
    chooseFade(7);
    bar(1)->setValue(255);
    bar(7)->setValue(255);
    generate(u"Hi"_s);
    EXPECT_LT(bar(1)->value(), 255);
    EXPECT_EQ(bar(7)->value(), 255);
}

TEST_F(MainWindow, OptionsButtonPopsTheMenuUpFromItsCentre)
{
    click(u"Command7"_s);
    auto *menu = window->findChild<QMenu *>(u"Tintra4"_s);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    const QPushButton *options = control<QPushButton>(u"Command7"_s);
    const QPoint centre(options->x() + options->width() / 2, options->y() + options->height() / 2);
    EXPECT_EQ(menu->pos(), window->mapToGlobal(centre));
    menu->hide();
}

TEST_F(MainWindow, MenuItemsToggleIndependently)
{
    item(u"Italics"_s)->trigger();
    item(u"Waving"_s)->trigger();
    item(u"Waving"_s)->trigger();
    EXPECT_TRUE(item(u"Italics"_s)->isChecked());
    EXPECT_FALSE(item(u"Waving"_s)->isChecked());
    EXPECT_FALSE(item(u"Bold"_s)->isChecked());
    EXPECT_TRUE(generate(u"Hi"_s).startsWith(uR"(<FONT FACE="Arial" SIZE=3><I><FONT)"_s));
}

TEST_F(MainWindow, StayOnTopFollowsItsMenuItem)
{
    const QWindow *handle = window->windowHandle();
    item(u"StayT"_s)->trigger();
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    item(u"StayT"_s)->trigger();
    EXPECT_FALSE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowHandle(), handle);
    EXPECT_TRUE(window->isVisible());
}

class Clipboard : public MainWindow
{
protected:
    Clipboard()
    {
        text7()->setPlainText(u"message"_s);
        text10()->setPlainText(u"output"_s);
        clipboard()->setText(u"before"_s);
    }

    static QClipboard *clipboard() { return QGuiApplication::clipboard(); }

    static void selectAll(QPlainTextEdit *box)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    }
};

TEST_F(Clipboard, CopyWithoutSelectionsCopiesNothing)
{
    click(u"Command4"_s);
    EXPECT_EQ(clipboard()->text(), QString());
    click(u"Command3"_s);
    EXPECT_EQ(clipboard()->text(), QString());
    EXPECT_EQ(text7()->toPlainText(), u"message"_s);
    EXPECT_EQ(text10()->toPlainText(), u"output"_s);
}

TEST_F(Clipboard, CutTakesTheMessageSelectionFirst)
{
    selectAll(text10());
    selectAll(text7());
    click(u"Command3"_s);
    EXPECT_EQ(clipboard()->text(), u"message"_s);
    EXPECT_EQ(text7()->toPlainText(), QString());
    EXPECT_EQ(text10()->toPlainText(), u"output"_s);
}

TEST_F(Clipboard, CutAndCopyFallBackToTheOutputSelection)
{
    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_EQ(clipboard()->text(), u"output"_s);
    EXPECT_EQ(text10()->toPlainText(), u"output"_s);
    click(u"Command3"_s);
    EXPECT_EQ(clipboard()->text(), u"output"_s);
    EXPECT_EQ(text10()->toPlainText(), QString());
}

TEST_F(Clipboard, CopiedLinesKeepTheirBreaks)
{
    text10()->setPlainText(u"one\ntwo"_s);
    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_EQ(clipboard()->text(), u"one\ntwo"_s);
}

TEST_F(Clipboard, PasteGoesToTheOutputBoxUntilTheMessageBoxIsClicked)
{
    QTextCursor end = text10()->textCursor();
    end.movePosition(QTextCursor::End);
    text10()->setTextCursor(end);
    click(u"Command5"_s);
    EXPECT_EQ(text10()->toPlainText(), u"outputbefore"_s);
    EXPECT_EQ(text7()->toPlainText(), u"message"_s);

    clickInto(text7());
    selectAll(text7());
    click(u"Command5"_s);
    EXPECT_EQ(text7()->toPlainText(), u"before"_s);

    clickInto(text10());
    selectAll(text10());
    click(u"Command5"_s);
    EXPECT_EQ(text10()->toPlainText(), u"before"_s);
    EXPECT_EQ(text7()->toPlainText(), u"before"_s);
}

TEST_F(MainWindow, ListsOtherThanTheFontNamesCannotBeTypedInto)
{
    QTest::keyClicks(control<QComboBox>(u"Combo3"_s), u"No"_s);
    EXPECT_EQ(control<QComboBox>(u"Combo3"_s)->currentIndex(), 0);
    QTest::keyClicks(control<QComboBox>(u"Combo2"_s), u"7"_s);
    EXPECT_EQ(control<QComboBox>(u"Combo2"_s)->currentText(), u"3"_s);
    QTest::keyClick(control<QComboBox>(u"Combo3"_s), Qt::Key_Down);
    EXPECT_EQ(control<QComboBox>(u"Combo3"_s)->currentIndex(), 1);
}

TEST_F(MainWindow, TypingIntoADroppedDownFadeListChangesNothing)
{
    auto *fades = control<QComboBox>(u"Combo3"_s);
    fades->showPopup();
    QTest::keyClicks(fades->view(), u"T"_s);
    QTest::keyClick(fades->view(), Qt::Key_Return);
    EXPECT_EQ(fades->currentIndex(), 0);
}

TEST_F(MainWindow, MinimisingKeepsTheWindowOnTopWhenTheItemIsChecked)
{
    item(u"StayT"_s)->setChecked(true);
    window->showMinimized();
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainWindow, KeysInTheColourBoxesBecomeSpacesAndFocusGoesToTheMessage)
{
    auto *box = control<QLineEdit>(u"Text3"_s);
    box->setFocus();
    box->setCursorPosition(box->text().size());
    QTest::keyClicks(box, u"z"_s);
    EXPECT_EQ(box->text(), u"#0000FF "_s);
    EXPECT_EQ(window->focusWidget(), text7());
}

TEST_F(MainWindow, TheHiddenBoxPassesFocusOnAndDiscardsKeys)
{
    auto *hidden = control<QLineEdit>(u"Text1"_s);
    hidden->setFocus();
    QTest::keyClicks(hidden, u"q"_s);
    EXPECT_EQ(hidden->text(), QString());
    EXPECT_EQ(window->focusWidget(), text7());
}

TEST_F(MainWindow, ClicksInTheColourBoxesFocusTheMessage)
{
    text10()->setFocus();
    QTest::mouseClick(control<QLineEdit>(u"Text4"_s), Qt::LeftButton);
    EXPECT_EQ(window->focusWidget(), text7());
}

TEST_F(MainWindow, ResizingKeepsTheControlsInProportion)
{
    const QRect message = text7()->geometry();
    const QRect generateButton = control<QPushButton>(u"Command1"_s)->geometry();
    window->resize(window->width() * 2, window->height() * 2);
    EXPECT_EQ(text7()->geometry(), QRect(message.topLeft() * 2, message.size() * 2));
    EXPECT_EQ(control<QPushButton>(u"Command1"_s)->geometry(),
              QRect(generateButton.topLeft() * 2, generateButton.size() * 2));
    EXPECT_DOUBLE_EQ(text7()->font().pointSizeF(), 16);
    const QImage background = GradientBackground::of(*window).image();
    EXPECT_EQ(background.size(), window->size());
    EXPECT_EQ(background.pixel(0, 0), qRgb(0, 190, 180));
}

TEST_F(MainWindow, ClosingRunsTheFarewellAndEndsTheProgram)
{
    QSignalSpy ended(window.get(), &Tintra3::programEnded);
    const double started = now;
    window->close();
    EXPECT_EQ(ended.size(), 1);
    EXPECT_GE(now - started, 10 * 0.1);
    EXPECT_GT(window->frameGeometry().top(), window->screen()->geometry().height());
    EXPECT_NE(GradientBackground::of(*window).image().pixel(0, 0), qRgb(0, 190, 180));
    window->close();
    EXPECT_EQ(ended.size(), 1);
}

} // namespace
