#include "forms/main/Tintra3.h"

#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "forms/preview/PreviewFolder.h"
#include "forms/preview/PreviewNotices.h"
#include "panel/ChoiceList.h"
#include "tests/testing/GuiTests.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/WindowMotion.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Dialogs that also note what the output box showed while a number was asked.
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

// The main window slid in with two font names and three sizes, "Arial" at size 3 chosen, on a
// clock that runs as fast as it is read.
class MainWindow : public testing::Test
{
protected:
    MainWindow()
    {
        services.clock = [this] {
            return now += 0.05;
        };
        services.previewFolder = previewFolder.path();
        window = std::make_unique<Tintra3>(services);
        window->fontNameList().addItems({u"Arial"_s, u"Comic Sans MS"_s});
        window->fontSizeList().addItems({u"1"_s, u"3"_s, u"5"_s});
        window->fontSizeList().setCurrentIndex(1);
        SlideIn(*window);
        QApplication::setActiveWindow(window.get());
    }

    template<typename Control = QWidget> Control *control(const QString &name) const
    {
        return FindControl<Control>(*window, name);
    }

    QPlainTextEdit *text7() const { return control<QPlainTextEdit>(u"Text7"_s); }
    QPlainTextEdit *text10() const { return control<QPlainTextEdit>(u"Text10"_s); }
    QAction *item(const QString &name) const { return control<QAction>(name); }
    ChoiceList *fades() const { return control<ChoiceList>(u"Combo3"_s); }
    PictureBox *chart() const { return control<PictureBox>(u"Picture1"_s); }
    QScrollBar *bar(int n) const { return control<QScrollBar>(u"HScroll%1"_s.arg(n)); }
    // The hex box of colour c, 1 to 3.
    QLineEdit *box(int c) const { return control<QLineEdit>(u"Text%1"_s.arg(c + 1)); }
    QString label(int n) const { return control<QLabel>(u"Label%1"_s.arg(n))->text(); }
    static QColor color(const QWidget *box, QPalette::ColorRole role = QPalette::Base)
    {
        return box->palette().color(role);
    }

    void click(const QString &name) const
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }
    static void clickInto(QPlainTextEdit *box)
    {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, {5, 5});
    }
    static void selectAll(QPlainTextEdit *box) { QTest::keyClick(box, 'a', Qt::ControlModifier); }
    void press(int barNumber, Qt::Key key) const
    {
        bar(barNumber)->setFocus();
        QTest::keyClick(bar(barNumber), key);
    }

    QString generate(const QString &message) const
    {
        text7()->clear();
        QTest::keyClicks(text7(), message);
        click(u"Command1"_s);
        return text10()->toPlainText();
    }

    // Steps the fade list with the arrow keys, as a user picks from a closed list.
    void chooseFade(int mode) const
    {
        fades()->setFocus();
        for (int step = 0; step < 9 && fades()->currentIndex() != mode; ++step)
            QTest::keyClick(fades(), fades()->currentIndex() < mode ? Qt::Key_Down : Qt::Key_Up);
    }

    // The colour of a chart band (1..80) in the middle of its stripe.
    QColor band(int number) const
    {
        const QImage &image = chart()->image();
        return image.pixelColor(int((number - 0.5) * image.width() / 80), image.height() / 2);
    }

    double now = 0;
    const PreviewFolder previewFolder;
    WatchingDialogs dialogs;
    RandomSource random {7, [] {
                             return quint64(12345);
                         }};
    Services services {dialogs, random};
    std::unique_ptr<Tintra3> window;
};

TEST_F(MainWindow, LoadsAboveTheScreenWithItsTextsAndDefaults)
{
    Tintra3 fresh(services);
    const QRect frame = fresh.frameGeometry();
    EXPECT_EQ(frame.bottom(), -1);
    EXPECT_NEAR(frame.left(), (fresh.screen()->geometry().width() - frame.width()) / 2, 1);
    // A window manager that frames the window a moment after it is shown moves it down by the
    // title bar; it still waits wholly above the screen, until it slides in.
    fresh.move(fresh.pos() + QPoint(0, 28));
    QCoreApplication::processEvents();
    EXPECT_EQ(fresh.frameGeometry().bottom(), -1);

    EXPECT_EQ(window->windowTitle(), u"DUV or QY's HTML Razod Ozura 4.0"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Your message here"_s);
    EXPECT_EQ(text10()->toPlainText(), u"This is the output box\n"_s);
    EXPECT_EQ(window->focusWidget(), text7());
    EXPECT_EQ(fades()->currentText(), u"Normal Fade"_s);
    EXPECT_EQ(label(10), u"Blue: 0"_s);
    for (QAction *option : control<QMenu>(u"Tintra4"_s)->actions())
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
}

// Maximised, say, every control keeps its proportional place; text grows with the tighter of
// the two directions, so captions stay inside their controls.
TEST_F(MainWindow, ControlsAndTheirFontsScaleWithTheWindow)
{
    const QSize size = window->size();
    const QRect generate = control(u"Command1"_s)->geometry();
    const int chartWidth = chart()->image().width();
    // Width and height factors, and the font size then.
    const std::tuple<int, int, double> sizes[] = {{3, 1, 8}, {3, 2, 16}, {2, 2, 16}};
    for (const auto &[across, down, points] : sizes) {
        window->resize(size.width() * across, size.height() * down);
        EXPECT_NEAR(control(u"Command1"_s)->x(), generate.x() * across, 1);
        EXPECT_NEAR(control(u"Command1"_s)->height(), generate.height() * down, 1);
        EXPECT_DOUBLE_EQ(text7()->font().pointSizeF(), points);
    }
    EXPECT_EQ(GradientBackground::of(*window).image().size(), window->size());
    EXPECT_GT(chart()->image().width(), chartWidth);
    EXPECT_EQ(band(80), QColor(3, 0, 252));
}

// Made as small as it goes, the window still shows every caption whole, the colour read-outs at
// their widest; a pixel narrower, one would be cut.
TEST_F(MainWindow, ShowsEveryCaptionWholeAtItsSmallest)
{
    const QSize full = window->size();
    for (int n = 1; n <= 9; ++n)
        bar(n)->setValue(255);
    window->resize(1, 1);
    EXPECT_EQ(window->size(), window->minimumSize());
    EXPECT_LT(window->width(), full.width());
    int tightest = window->width();
    for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QString text;
        QRect room = control->contentsRect();
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            text = button->text();
            QStyleOptionButton option;
            option.initFrom(button);
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else if (auto *caption = qobject_cast<QLabel *>(control)) {
            text = caption->text();
        } else {
            continue;
        }
        const int spare = room.width() - control->fontMetrics().horizontalAdvance(text);
        EXPECT_GE(spare, 0) << text.toStdString();
        tightest = std::min(tightest, spare);
    }
    EXPECT_LE(tightest, 1);
}

TEST_F(MainWindow, GenerateFadeReadsTheMessageTheOptionsAndTheFont)
{
    EXPECT_EQ(generate(u"A\rB"_s),
              uR"(<FONT FACE="Arial" SIZE=3><FONT COLOR="#FF0000">A</FONT>)"
              uR"(<br><FONT COLOR="#800080">B</FONT></FONT>)"_s);
    EXPECT_EQ(color(control(u"Text1"_s)), QColor(128, 0, 128));
    chooseFade(8);
    EXPECT_EQ(generate(u"A\rB"_s), u"A\nB"_s);

    for (const QString &name : {u"Bold"_s, u"Underline"_s, u"Italics"_s, u"Waving"_s, u"Waving"_s})
        item(name)->trigger();
    window->fontSizeList().setCurrentIndex(2);
    chooseFade(0);
    // A typed name is used as typed, listed or not.
    QLineEdit *typedName = window->fontNameList().lineEdit();
    typedName->clear();
    QTest::keyClicks(typedName, u"Nowhere Sans"_s);
    EXPECT_TRUE(
        generate(u"Hi"_s).startsWith(uR"(<FONT FACE="Nowhere Sans" SIZE=5><B><I><U><FONT)"_s));
    EXPECT_TRUE(dialogs.notices().empty());
}

// A refusal comes in a message box, or for an overlong message in the output box; the repeater
// asks for its count while the output box shows the progress; a fade can be previewed.
TEST_F(MainWindow, GenerateFadeRefusesAndAsksAndViewHtmlFadePreviews)
{
    EXPECT_EQ(generate(QString()), u"This is the output box\n"_s);
    EXPECT_EQ(dialogs.notices(),
              (std::vector {
                  Notice {u"Hey Man, Enter Some Text!"_s, NoticeIcon::Critical, u"DUV or QY"_s}}));
    text7()->setPlainText(QString(1401, u'x'));
    click(u"Command1"_s);
    EXPECT_EQ(text10()->toPlainText(), u"Error: The message is too big for the textbox 2 hold."_s);

    chooseFade(3);
    dialogs.answerInput(u"501"_s);
    EXPECT_EQ(generate(u"Hello"_s), QString());
    EXPECT_EQ(dialogs.outputWhileAsked, u"Generating fade..."_s);
    EXPECT_EQ(dialogs.notices().back().text, u"Not a valid fading number"_s);

    chooseFade(0);
    generate(u"Hi"_s);
    click(u"Command6"_s);
    EXPECT_TRUE(control(u"Tinta2"_s)->isVisible());
}

TEST_F(MainWindow, TheOptionsMenuPopsUpFromTheButtonsCentreAndKeepsTheWindowOnTop)
{
    click(u"Command7"_s);
    auto *menu = control<QMenu>(u"Tintra4"_s);
    EXPECT_TRUE(menu->isVisible());
    const QRect options = control(u"Command7"_s)->geometry();
    EXPECT_EQ(
        menu->pos(),
        window->mapToGlobal(options.topLeft() + QPoint(options.width() / 2, options.height() / 2)));
    menu->hide();

    const QWindow *handle = window->windowHandle();
    const auto onTop = [&] {
        return window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    };
    item(u"StayT"_s)->trigger();
    EXPECT_TRUE(onTop());
    item(u"StayT"_s)->trigger();
    EXPECT_FALSE(onTop());
    EXPECT_EQ(window->windowHandle(), handle);
    // Checked without its click, so only minimising can put the window on top.
    item(u"StayT"_s)->setChecked(true);
    window->showMinimized();
    EXPECT_TRUE(onTop());
}

// "Output Format" in the options menu chooses what Generate writes. Only HTML is previewed, and
// COPY from the output box gives a rich editor HTML of either kind.
TEST_F(MainWindow, TheOutputFormatDecidesTheFadePreviewAndCopy)
{
    auto *options = control<QMenu>(u"Tintra4"_s);
    auto *formats = control<QMenu>(u"OutputFormat"_s);
    const auto open = [](QMenu *menu, QMenu *submenu) {
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(submenu->menuAction()).center());
        // A submenu opens a moment after its item is clicked.
        EXPECT_TRUE(QTest::qWaitFor([&] { return submenu->isVisible(); }));
    };
    const auto choose = [&](const QString &group, const QString &caption) {
        click(u"Command7"_s);
        open(options, formats);
        auto *submenu = control<QMenu>(group);
        open(formats, submenu);
        const QList<QAction *> items = submenu->actions();
        const auto item = std::ranges::find(items, caption, &QAction::text);
        QTest::mouseClick(submenu, Qt::LeftButton, {}, submenu->actionGeometry(*item).center());
        EXPECT_TRUE((*item)->isChecked()) << caption.toStdString();
    };
    EXPECT_EQ(formats->title(), u"Output Format"_s);
    EXPECT_TRUE(item(u"ClassicHtml"_s)->isChecked());
    QStringList captions;
    for (const QAction *group : formats->actions())
        captions << group->text();
    EXPECT_EQ(captions,
              (QStringList {u"Web and mail"_s, u"Forums"_s, u"Games"_s, u"Chat"_s, u"Status bars"_s,
                            u"Documents"_s}));

    choose(u"WebAndMail"_s, u"Modern HTML"_s);
    EXPECT_TRUE(
        generate(u"Hi"_s).startsWith(u"<span style=\"font-family:'Arial';font-size:medium\">"
                                     u"<span style=\"color:#ff0000\">H</span>"_s));
    EXPECT_FALSE(item(u"ClassicHtml"_s)->isChecked());
    QClipboard *clipboard = QGuiApplication::clipboard();
    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_EQ(clipboard->mimeData()->html(), text10()->toPlainText());
    EXPECT_EQ(clipboard->text(), text10()->toPlainText());
    EXPECT_TRUE(clipboard->mimeData()->data(u"text/rtf"_s).startsWith("{\\rtf1"));
    selectAll(text7());
    click(u"Command4"_s);
    EXPECT_FALSE(clipboard->mimeData()->hasHtml());
    click(u"Command6"_s);
    EXPECT_TRUE(control(u"Tinta2"_s)->isVisible());
    EXPECT_TRUE(dialogs.notices().empty());

    choose(u"Documents"_s, u"Rich Text (RTF)"_s);
    EXPECT_TRUE(generate(u"Hi"_s).startsWith(u"{\\rtf1"_s));
    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_EQ(clipboard->mimeData()->data(u"text/rtf"_s), text10()->toPlainText().toLatin1());
    EXPECT_TRUE(clipboard->mimeData()->html().contains(u"<span style=\"color:#ff0000\">H"_s));
    EXPECT_EQ(clipboard->text(), text10()->toPlainText());
    click(u"Command6"_s);
    EXPECT_EQ(dialogs.notices(), std::vector {NotHtmlNotice()});

    choose(u"Forums"_s, u"BBCode"_s);
    EXPECT_EQ(generate(u"Hi"_s),
              u"[font=Arial][size=3][color=#FF0000]H[/color][color=#800080]i[/color][/size]"
              u"[/font]"_s);
    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_FALSE(clipboard->mimeData()->hasHtml());
    EXPECT_FALSE(clipboard->mimeData()->hasFormat(u"text/rtf"_s));
    choose(u"Games"_s, u"MiniMessage"_s);
    EXPECT_EQ(generate(u"Hi"_s), u"<#ff0000>H<#800080>i"_s);
}

// After each Generate, a target with a limit shows the length against it, red when over it.
TEST_F(MainWindow, TheCountShowsTheLengthAgainstTheTargetsLimit)
{
    auto *count = control<QLabel>(u"BudgetCount"_s);
    EXPECT_FALSE(count->isVisible());
    item(u"AmpHex"_s)->trigger();
    generate(u"Hi"_s);
    EXPECT_TRUE(count->isVisible());
    EXPECT_EQ(count->text(), u"18/256"_s);
    EXPECT_EQ(color(count, QPalette::WindowText), QColor(Qt::black));
    generate(QString(100, u'x'));
    EXPECT_EQ(count->text(), u"900/256"_s);
    EXPECT_EQ(color(count, QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(count->accessibleDescription().startsWith(
        u"needs 900 characters, the limit is 256; try --every "_s));
    item(u"ClassicHtml"_s)->trigger();
    generate(u"Hi"_s);
    EXPECT_FALSE(count->isVisible());
}

TEST_F(MainWindow, CutAndCopyTakeTheMessageSelectionElseTheOutputsAndPasteFollowsTheClick)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"before"_s);
    text7()->setPlainText(u"message"_s);
    text10()->setPlainText(u"out\nput"_s);
    // Nothing selected leaves the clipboard as it was.
    click(u"Command4"_s);
    click(u"Command3"_s);
    EXPECT_EQ(clipboard->text(), u"before"_s);
    EXPECT_EQ(text10()->toPlainText(), u"out\nput"_s);

    selectAll(text10());
    click(u"Command4"_s);
    EXPECT_EQ(clipboard->text(), u"out\nput"_s);
    selectAll(text7());
    click(u"Command3"_s);
    EXPECT_EQ(clipboard->text(), u"message"_s);
    EXPECT_EQ(text7()->toPlainText(), QString());
    EXPECT_EQ(text10()->toPlainText(), u"out\nput"_s);
    click(u"Command3"_s);
    EXPECT_EQ(text10()->toPlainText(), QString());

    // Until the message box is clicked, paste goes to the output box.
    text10()->setPlainText(u"output"_s);
    text10()->moveCursor(QTextCursor::End);
    click(u"Command5"_s);
    EXPECT_EQ(text10()->toPlainText(), u"outputout\nput"_s);
    clickInto(text7());
    click(u"Command5"_s);
    EXPECT_EQ(text7()->toPlainText(), u"out\nput"_s);
    clickInto(text10());
    selectAll(text10());
    click(u"Command5"_s);
    EXPECT_EQ(text10()->toPlainText(), u"out\nput"_s);
}

// With the desktop's clipboard empty, pasting in any way leaves both boxes as they were.
TEST_F(MainWindow, PastingAnEmptyClipboardKeepsTheBoxes)
{
    for (QPlainTextEdit *box : {text7(), text10()}) {
        box->setPlainText(u"kept"_s);
        clickInto(box);
        selectAll(box);
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        click(u"Command5"_s);
        EXPECT_EQ(box->textCursor().selectedText(), u"kept"_s);
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, {5, 5});
        EXPECT_EQ(box->toPlainText(), u"kept"_s);
    }
}

// Tab moves on from either big box; typing into a colour box or the hidden box goes on to the
// message box.
TEST_F(MainWindow, TheFocusMovesOnFromTheBoxes)
{
    text7()->setFocus();
    QTest::keyClick(text7(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), text10());
    QTest::keyClick(text10(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(text10()->toPlainText().contains(u'\t'));

    QLineEdit *colour2 = box(2);
    colour2->setFocus();
    colour2->end(false);
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

// The labels, the box and the chart follow a bar; the box's text stays readable on its colour.
TEST_F(MainWindow, TheColourBoxesFollowTheirBarsInReadableText)
{
    EXPECT_EQ(color(box(2), QPalette::Text), QColor(Qt::white));
    press(2, Qt::Key_End);
    EXPECT_EQ(label(2), u"Green: 255"_s);
    EXPECT_EQ(color(box(1)), QColor(255, 255, 0));
    EXPECT_EQ(box(1)->text(), u"#FFFF00"_s);
    EXPECT_EQ(color(box(1), QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(band(1), QColor(255, 255, 0));

    // Colour 3 shows grey while the fade leaves it out, keeping its text.
    chooseFade(4);
    press(7, Qt::Key_PageUp);
    chooseFade(3);
    EXPECT_FALSE(bar(7)->isEnabled());
    EXPECT_EQ(color(box(3)), QColor(150, 150, 150));
    EXPECT_EQ(box(3)->text(), u"#0AFF00"_s);
    chooseFade(6);
    EXPECT_EQ(color(box(3)), QColor(10, 255, 0));

    dialogs.answerColor(RGB(1, 2, 3));
    DoubleClick(box(3));
    EXPECT_EQ(dialogs.colorsOffered(), std::vector {RGB(10, 255, 0)});
    EXPECT_EQ(label(10), u"Blue: 3"_s);
    EXPECT_EQ(box(3)->text(), u"#010203"_s);
}

TEST_F(MainWindow, TheChartIsLabelledWhenResizedAndDragsTheWindowWithTheLeftButton)
{
    chart()->resize(chart()->width() + 30, chart()->height());
    const QImage &image = chart()->image();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), QColor(Qt::white));
    int dark = 0;
    for (int x = 0; x < image.width() / 2; ++x)
        dark += image.pixelColor(x, image.height() / 2).lightness() < 128;
    EXPECT_GT(dark, 0); // the caption "Fade Chart"

    // Only the left button drags, and it counts from the last press of either button.
    const QPoint grab(20, 8);
    const QPoint drop(50, 4);
    const QPoint start = window->pos();
    QTest::mousePress(chart(), Qt::RightButton, {}, grab);
    QTest::mouseMove(chart(), drop);
    QTest::mouseRelease(chart(), Qt::RightButton, {}, drop);
    EXPECT_EQ(window->pos(), start);
    QTest::mousePress(chart(), Qt::LeftButton, {}, drop);
    QTest::mousePress(chart(), Qt::RightButton, {}, grab);
    QTest::mouseMove(chart(), drop);
    QTest::mouseRelease(chart(), Qt::RightButton, {}, drop);
    QTest::mouseRelease(chart(), Qt::LeftButton, {}, drop);
    EXPECT_EQ(window->pos(), start + drop - grab);
}

// Elite Text switches the message box's typing; the fade and size lists are only chosen from,
// and a long font name shows from its start.
TEST_F(MainWindow, TheMenuAndTheListsSwitchWhatTypingDoes)
{
    item(u"Elite"_s)->trigger();
    text7()->clear();
    QTest::keyClicks(text7(), u"Hi 2u"_s);
    item(u"Elite"_s)->trigger();
    QTest::keyClicks(text7(), u"s"_s);
    EXPECT_EQ(text7()->toPlainText(), u"Hî ²µs"_s);

    QTest::keyClicks(fades(), u"No"_s);
    QTest::keyClicks(&window->fontSizeList(), u"5"_s);
    EXPECT_EQ(fades()->currentIndex(), 0);
    EXPECT_EQ(window->fontSizeList().currentText(), u"3"_s);
    auto &names = static_cast<ChoiceList &>(window->fontNameList());
    names.addItem(u"Comic Neue Light Condensed"_s);
    names.setCurrentIndex(names.count() - 1);
    EXPECT_TRUE(names.shownText().startsWith(u"Comic"_s)) << names.shownText().toStdString();
}

TEST_F(MainWindow, ChatTalkerSwapsTheWindowForAFreshChatWindowEachPress)
{
    const int screenHeight = window->screen()->geometry().height();
    const auto press = [this] {
        click(u"Command2"_s);
        return QPointer<TintaAOL>(window->findChild<TintaAOL *>());
    };
    const QPointer<TintaAOL> first = press();
    EXPECT_GT(window->frameGeometry().top(), screenHeight);
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    const auto *fonts = first->findChild<QComboBox *>(u"Combo2"_s);
    EXPECT_EQ(fonts->count(), 1);
    EXPECT_EQ(fonts->itemText(0), u"Comic Sans MS"_s);

    first->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(0);
    first->close();
    EXPECT_NEAR(window->frameGeometry().top(),
                (screenHeight - window->frameGeometry().height()) / 2, 1);
    // The event loop runs before the user can press the button again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    const QPointer<TintaAOL> second = press();
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second->findChild<QComboBox *>(u"Combo1"_s)->currentText(), u"TTinta"_s);
}

} // namespace
