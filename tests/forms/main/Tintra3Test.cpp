#include "MainWindowFixture.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/Twips.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, LoadsWithItsCaptionsTextsColoursAndOptions)
{
    Tintra3 fresh(services);
    EXPECT_TRUE(fresh.isVisible());
    const QRect frame = fresh.frameGeometry();
    EXPECT_EQ(frame.bottom(), -1);
    EXPECT_NEAR(frame.left(), (fresh.screen()->geometry().width() - frame.width()) / 2, 1);
    // A window manager that frames the window a moment after it is shown moves it down by the
    // title bar; it still waits wholly above the screen, until it slides in.
    fresh.move(fresh.pos() + QPoint(0, 28));
    QCoreApplication::processEvents();
    EXPECT_EQ(fresh.frameGeometry().bottom(), -1);
    SlideIn(fresh);
    EXPECT_NEAR(fresh.frameGeometry().top(),
                (fresh.screen()->geometry().height() - frame.height()) / 2, 1);

    EXPECT_EQ(window->windowTitle(), u"DUV or QY's HTML Razod Ozura 4.0"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Your message here"_s);
    EXPECT_EQ(text10()->toPlainText(), u"This is the output box\n"_s);
    EXPECT_EQ(window->focusWidget(), text7());
    ASSERT_EQ(fades()->count(), 9);
    EXPECT_EQ(fades()->currentIndex(), 0);
    EXPECT_EQ(fades()->itemText(0), u"Normal Fade"_s);
    EXPECT_EQ(fades()->itemText(8), u"No Fade"_s);
    const std::array<int, 9> values {255, 0, 0, 0, 0, 255, 0, 255, 0};
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(std::pair(bar(n)->value(), bar(n)->maximum()), std::pair(values[n - 1], 255))
            << n;
    EXPECT_EQ(box(1)->text(), u"#FF0000"_s);
    EXPECT_EQ(label(8), u"Green: 255"_s);
    EXPECT_EQ(label(10), u"Blue: 0"_s);
    for (const QString &name :
         {u"Bold"_s, u"Italics"_s, u"Underline"_s, u"Waving"_s, u"Elite"_s, u"StayT"_s})
        EXPECT_FALSE(item(name)->isChecked()) << name.toStdString();
    EXPECT_EQ(item(u"Elite"_s)->text(), u"Elite Text"_s);
    EXPECT_EQ(item(u"StayT"_s)->text(), u"Form Stay On Top"_s);
}

TEST_F(MainWindow, ControlsStandWhereTheLayoutPutsThemAndScaleWithTheWindow)
{
    const std::pair<const char *, QRectF> places[] = {
        {"Text7", {120, 120, 3735, 1815}},     {"Text10", {3960, 120, 3735, 1815}},
        {"Command1", {5880, 2400, 1815, 375}}, {"Command5", {2670, 2040, 1185, 255}},
        {"HScroll9", {4920, 2880, 855, 255}},  {"Label10", {3960, 2880, 975, 255}},
        {"Text4", {3960, 3240, 1815, 285}},    {"Combo1", {2880, 3600, 1935, 300}},
        {"Picture1", {4920, 3600, 2775, 285}}, {"Text1", {120, 4680, 1815, 375}}};
    const double dpi = LogicalDpi(*window);
    for (const auto &[name, twips] : places)
        EXPECT_EQ(control<QWidget>(name)->geometry(), TwipsToPixels(twips, dpi)) << name;

    const int chartWidth = chart()->image().width();
    window->resize(window->width() * 2, window->height() * 2);
    for (const auto &[name, twips] : places) {
        const QRect unscaled = TwipsToPixels(twips, dpi);
        EXPECT_EQ(control<QWidget>(name)->geometry(),
                  QRect(unscaled.topLeft() * 2, unscaled.size() * 2))
            << name;
    }
    EXPECT_DOUBLE_EQ(text7()->font().pointSizeF(), 16);
    const QImage background = GradientBackground::of(*window).image();
    EXPECT_EQ(background.size(), window->size());
    EXPECT_EQ(background.pixel(0, 0), qRgb(0, 190, 180));
    EXPECT_GT(chart()->image().width(), chartWidth);
    EXPECT_EQ(band(1), QColor(255, 0, 0));
    EXPECT_EQ(band(80), QColor(3, 0, 252));
}

TEST_F(MainWindow, GenerateFadeWritesTheMessageIntoTheOutputBox)
{
    const std::tuple<int, QString, QString> cases[] = {
        {0, u"Hi"_s,
         uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">H</FONT>)"
         uR"(<FONT COLOR="#800080">i</FONT></FONT>)"_s},
        {0, u"A\rB"_s,
         uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">A</FONT>)"
         uR"(<br><FONT COLOR="#800080">B</FONT></FONT>)"_s},
        {8, u"A\rB"_s, u"A\nB"_s}};
    for (const auto &[fade, message, output] : cases) {
        chooseFade(fade);
        EXPECT_EQ(generate(message), output);
    }
    EXPECT_TRUE(dialogs.notices().empty());
    EXPECT_EQ(control<QLineEdit>(u"Text1"_s)->palette().color(QPalette::Base), QColor(128, 0, 128));
}

TEST_F(MainWindow, GenerateFadeReadsTheMenuItemsAndTheFont)
{
    for (const QString &name : {u"Bold"_s, u"Underline"_s, u"Italics"_s, u"Waving"_s, u"Waving"_s})
        item(name)->trigger();
    EXPECT_TRUE(item(u"Italics"_s)->isChecked());
    EXPECT_FALSE(item(u"Waving"_s)->isChecked());
    EXPECT_FALSE(item(u"Elite"_s)->isChecked());
    window->fontNameList().setCurrentIndex(1);
    window->fontSizeList().setCurrentIndex(4);
    EXPECT_TRUE(
        generate(u"Hi"_s).startsWith(uR"(<FONT FACE="Comic Sans MS" SIZE=5><B><I><U><FONT)"_s));

    // A typed name is used as typed, listed or not.
    QLineEdit *typedName = window->fontNameList().lineEdit();
    ASSERT_NE(typedName, nullptr);
    for (const QString &name : {u"Nowhere Sans"_s, u"dejavu sans"_s, u"Arial"_s}) {
        typedName->clear();
        QTest::keyClicks(typedName, name);
        EXPECT_TRUE(generate(u"Hi"_s).startsWith(uR"(<FONT FACE=")"_s + name + uR"(" SIZE=5>)"_s))
            << name.toStdString();
    }
}

TEST_F(MainWindow, GenerateFadeRefusesAnEmptyOrOverlongMessage)
{
    EXPECT_EQ(generate(QString()), u"This is the output box\n"_s);
    EXPECT_EQ(dialogs.notices(),
              (std::vector {
                  Notice {u"Hey Man, Enter Some Text!"_s, NoticeIcon::Critical, u"DUV or QY"_s}}));

    // Over fourteen hundred letters are refused in the output box instead.
    text7()->setPlainText(QString(1400, u'x'));
    QTest::keyClicks(text7(), u"y"_s);
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText(), u"Error: The message is too big for the textbox 2 hold."_s);
    EXPECT_EQ(dialogs.notices().size(), 1U);

    QTest::keyClick(text7(), Qt::Key_Backspace);
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText().count(u"<FONT COLOR="_s), 1400);
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

TEST_F(MainWindow, TheRepeaterAsksForItsCountWhileTheProgressShowsAndActsOnTheAnswer)
{
    // The answer, the notice it brings if any, and whether the fade goes ahead.
    const std::tuple<QString, QString, bool> answers[] = {
        {u"3"_s, {}, true},
        {{}, {}, false},
        {u"abc"_s, u"Not a valid number"_s, false},
        {u"1"_s, u"Not a valid fading number"_s, false},
        {u"501"_s, u"Not a valid fading number"_s, false}};
    const AnsweringDialogs::Question question {u"You want the fade 2 repeat every ??? letters..."_s,
                                               u"Repeater Fade"_s, u"5"_s};
    chooseFade(3);
    for (const auto &[answer, notice, faded] : answers) {
        dialogs = {};
        dialogs.answerInput(answer);
        const QString output = generate(u"Hello"_s);
        EXPECT_EQ(dialogs.questions(), std::vector {question});
        EXPECT_EQ(dialogs.outputWhileAsked, u"Generating fade..."_s);
        std::vector<Notice> notices;
        if (!notice.isEmpty())
            notices.push_back({notice, NoticeIcon::Question, u"DUV or QY"_s});
        EXPECT_EQ(dialogs.notices(), notices) << answer.toStdString();
        EXPECT_TRUE(faded ? output.startsWith(u"<FONT FACE="_s) : output.isEmpty())
            << answer.toStdString() << output.toStdString();
    }
}

TEST_F(MainWindow, OptionsButtonPopsTheMenuUpFromItsCentre)
{
    click(u"Command7"_s);
    auto *menu = window->findChild<QMenu *>(u"Tintra4"_s);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    const QRect options = control<QPushButton>(u"Command7"_s)->geometry();
    EXPECT_EQ(
        menu->pos(),
        window->mapToGlobal(options.topLeft() + QPoint(options.width() / 2, options.height() / 2)));
    menu->hide();
}

TEST_F(MainWindow, StayOnTopFollowsItsMenuItemAndMinimising)
{
    const QWindow *handle = window->windowHandle();
    const auto onTop = [&] {
        return window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    };
    item(u"StayT"_s)->trigger();
    EXPECT_TRUE(onTop());
    item(u"StayT"_s)->trigger();
    EXPECT_FALSE(onTop());
    EXPECT_EQ(window->windowHandle(), handle);
    EXPECT_TRUE(window->isVisible());

    // Checked without its click, so only minimising can put the window on top.
    item(u"StayT"_s)->setChecked(true);
    window->showMinimized();
    EXPECT_TRUE(onTop());
}

TEST_F(MainWindow, CutAndCopyTakeTheMessageSelectionElseTheOutputsAndPasteFollowsTheClick)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"before"_s);
    text7()->setPlainText(u"message"_s);
    text10()->setPlainText(u"out\nput"_s);
    click(u"Command4"_s);
    EXPECT_EQ(clipboard->text(), QString());
    click(u"Command3"_s);
    EXPECT_EQ(clipboard->text(), QString());
    EXPECT_EQ(text10()->toPlainText(), u"out\nput"_s);

    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_EQ(clipboard->text(), u"out\nput"_s);
    EXPECT_EQ(text10()->toPlainText(), u"out\nput"_s);
    clipboard->clear();
    click(u"Command3"_s);
    EXPECT_EQ(clipboard->text(), u"out\nput"_s);
    EXPECT_EQ(text10()->toPlainText(), QString());
    EXPECT_EQ(text7()->toPlainText(), u"message"_s);

    text10()->setPlainText(u"output"_s);
    selectAll(text10());
    selectAll(text7());
    click(u"Command3"_s);
    EXPECT_EQ(clipboard->text(), u"message"_s);
    EXPECT_EQ(text7()->toPlainText(), QString());
    EXPECT_EQ(text10()->toPlainText(), u"output"_s);

    // Until the message box is clicked, paste goes to the output box.
    text7()->setPlainText(u"message"_s);
    clipboard->setText(u"before"_s);
    text10()->moveCursor(QTextCursor::End);
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

TEST_F(MainWindow, OnlyTheFontNameListTakesTypedText)
{
    EXPECT_FALSE(fades()->isEditable());
    QTest::keyClicks(fades(), u"No"_s);
    EXPECT_EQ(fades()->currentIndex(), 0);
    QTest::keyClicks(&window->fontSizeList(), u"7"_s);
    EXPECT_EQ(window->fontSizeList().currentText(), u"3"_s);
    fades()->showPopup();
    QTest::keyClicks(fades()->view(), u"T"_s);
    QTest::keyClick(fades()->view(), Qt::Key_Return);
    EXPECT_EQ(fades()->currentIndex(), 0);
    QTest::keyClick(fades(), Qt::Key_Down);
    EXPECT_EQ(fades()->currentIndex(), 1);
}

TEST_F(MainWindow, TheColourBoxesAndTheHiddenBoxPassFocusToTheMessage)
{
    QLineEdit *colour2 = box(2);
    colour2->setFocus();
    colour2->setCursorPosition(colour2->text().size());
    QTest::keyClicks(colour2, u"z"_s);
    EXPECT_EQ(colour2->text(), u"#0000FF "_s);
    EXPECT_EQ(window->focusWidget(), text7());

    auto *hidden = control<QLineEdit>(u"Text1"_s);
    hidden->setFocus();
    QTest::keyClicks(hidden, u"q"_s);
    EXPECT_EQ(hidden->text(), QString());
    EXPECT_EQ(window->focusWidget(), text7());

    text10()->setFocus();
    QTest::mouseClick(box(3), Qt::LeftButton);
    EXPECT_EQ(window->focusWidget(), text7());
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
