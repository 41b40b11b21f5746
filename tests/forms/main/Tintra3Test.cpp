#include "forms/main/Tintra3.h"

#include "chat/TintaAOL.h"
#include "engine/RandomSource.h"
#include "forms/preview/PreviewFolder.h"
#include "forms/preview/PreviewNotices.h"
#include "panel/ChoiceList.h"
#include "presets/PresetStore.h"
#include "tests/testing/GuiTests.h"
#include "tests/testing/KeyboardTour.h"
#include "tests/testing/TestFiles.h"
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
#include <QListWidget>
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
#include <QTemporaryDir>
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
    static QColor color(const QWidget *box, QPalette::ColorRole role = QPalette::Base)
    {
        return box->palette().color(role);
    }

    void click(const QString &name) const
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    }
    static void selectAll(QPlainTextEdit *box) { QTest::keyClick(box, 'a', Qt::ControlModifier); }

    QString generate(const QString &message) const
    {
        text7()->clear();
        QTest::keyClicks(text7(), message);
        click(u"Command1"_s);
        return text10()->toPlainText();
    }

    // Clicks through the options menu along the captions, a submenu at each step.
    void choose(const QStringList &captions) const
    {
        click(u"Command7"_s);
        QMenu *menu = control<QMenu>(u"Tintra4"_s);
        for (const QString &caption : captions) {
            const QList<QAction *> items = menu->actions();
            const auto item = std::ranges::find(items, caption, &QAction::text);
            ASSERT_NE(item, items.end()) << caption.toStdString();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*item).center());
            if (QMenu *submenu = (*item)->menu()) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return submenu->isVisible(); }));
                menu = submenu;
            }
        }
        QApplication::processEvents(); // the notices wait until the menu has gone
    }

    bool listsPreset(const QString &name) const
    {
        QMenu *presets = control<QMenu>(u"Presets"_s);
        emit presets->aboutToShow();
        return std::ranges::any_of(presets->actions(),
                                   [&](auto *item) { return item->text() == name; });
    }

    // Steps the fade list with the arrow keys, as a user picks from a closed list.
    void chooseFade(int mode) const
    {
        fades()->setFocus();
        for (int step = 0; step < 9 && fades()->currentIndex() != mode; ++step)
            QTest::keyClick(fades(), fades()->currentIndex() < mode ? Qt::Key_Down : Qt::Key_Up);
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

// A new window waits above the screen with the message box focused; once in, every control
// keeps its proportional place and text grows with the tighter of the two directions.
TEST_F(MainWindow, LoadsAboveTheScreenAndScalesWithTheWindowDownToItsCaptions)
{
    const Tintra3 fresh(services);
    EXPECT_EQ(fresh.frameGeometry().bottom(), -1);
    EXPECT_EQ(window->focusWidget(), text7());

    const QRect generate = control(u"Command1"_s)->geometry();
    window->resize(window->width() * 3, window->height() * 2);
    EXPECT_NEAR(control(u"Command1"_s)->height(), generate.height() * 2, 1);
    EXPECT_DOUBLE_EQ(text7()->font().pointSizeF(), 16);
    EXPECT_EQ(GradientBackground::of(*window).image().size(), window->size());

    // Made as small as it goes, the window still shows every caption whole, the colour read-outs
    // at their widest; a pixel narrower, one would be cut.
    for (int n = 1; n <= 9; ++n)
        bar(n)->setValue(255);
    window->resize(1, 1);
    int tightest = window->width();
    for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        auto *button = qobject_cast<QPushButton *>(control);
        auto *caption = qobject_cast<QLabel *>(control);
        if (!button && !caption)
            continue;
        QStyleOptionButton option;
        option.initFrom(control);
        const QRect room = button
            ? button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            : control->contentsRect();
        const QString text = button ? button->text() : caption->text();
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

    // A refusal comes in a message box and leaves the output box alone; the repeater asks for
    // its count while the output box shows the progress.
    const QString shown = text10()->toPlainText();
    EXPECT_EQ(generate(QString()), shown);
    EXPECT_EQ(dialogs.notices().size(), 1U);
    chooseFade(3);
    dialogs.answerInput(u"2"_s);
    EXPECT_NE(generate(u"Hi"_s), shown);
    EXPECT_EQ(dialogs.outputWhileAsked, u"Generating fade..."_s);
}

TEST_F(MainWindow, StayOnTopKeepsTheSameWindowOnTopAlsoWhenMinimised)
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
    // Checked without its click, so only minimising can put the window on top.
    item(u"StayT"_s)->setChecked(true);
    window->showMinimized();
    EXPECT_TRUE(onTop());
}

// The format chosen is what Generate writes; COPY and "View HTML Fade" go by the fade shown, even
// when another format has been chosen since. A fade of HTML or RTF is copied rich, a part of the
// message box as text alone.
TEST_F(MainWindow, CopyAndViewGoByTheFormatOfTheFadeShown)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto copy = [&](QPlainTextEdit *box) {
        selectAll(box);
        click(u"Command4"_s);
        return clipboard->mimeData();
    };
    item(u"ModernHtml"_s)->trigger();
    const QString html = generate(u"Hi"_s);
    item(u"BBCode"_s)->trigger();
    EXPECT_EQ(copy(text10())->html(), html);
    EXPECT_EQ(clipboard->text(), html);
    EXPECT_TRUE(clipboard->mimeData()->data(u"text/rtf"_s).startsWith("{\\rtf1"));
    EXPECT_FALSE(copy(text7())->hasHtml());
    click(u"Command6"_s);
    const QWidget *preview = window->findChild<QWidget *>(u"Tinta2"_s);
    EXPECT_TRUE(preview && preview->isVisible());

    item(u"Rtf"_s)->trigger();
    const QString rtf = generate(u"Hi"_s);
    item(u"ClassicHtml"_s)->trigger();
    EXPECT_EQ(copy(text10())->data(u"text/rtf"_s), rtf.toLatin1());
    EXPECT_TRUE(clipboard->mimeData()->html().contains(u"<span style=\"color:#ff0000\">H"_s));
    EXPECT_EQ(clipboard->text(), rtf);
    click(u"Command6"_s);
    EXPECT_EQ(dialogs.notices(), std::vector {NotHtmlNotice()});

    item(u"BBCode"_s)->trigger();
    EXPECT_TRUE(generate(u"Hi"_s).startsWith(u"[font=Arial][size=3][color=#FF0000]H"_s));
    EXPECT_FALSE(copy(text10())->hasHtml());
    EXPECT_FALSE(clipboard->mimeData()->hasFormat(u"text/rtf"_s));
}

// After each Generate, a target with a limit shows the length against it, red when over it.
TEST_F(MainWindow, TheCountShowsTheLengthAgainstTheTargetsLimit)
{
    auto *count = control<QLabel>(u"BudgetCount"_s);
    item(u"AmpHex"_s)->trigger();
    generate(u"Hi"_s);
    EXPECT_TRUE(count->isVisible());
    EXPECT_EQ(count->text(), u"18/256"_s);
    EXPECT_EQ(color(count, QPalette::WindowText), QColor(Qt::black));
    generate(QString(100, u'x'));
    EXPECT_EQ(count->text(), u"900/256"_s);
    EXPECT_EQ(color(count, QPalette::WindowText), QColor(Qt::red));
    item(u"ClassicHtml"_s)->trigger();
    generate(u"Hi"_s);
    EXPECT_FALSE(count->isVisible());
}

// CUT and COPY take the message box's selection, else the output box's; PASTE goes where the
// last click went, at first the output box, and an empty clipboard pastes nothing.
TEST_F(MainWindow, CutAndCopyTakeTheMessageSelectionElseTheOutputsAndPasteFollowsTheClick)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"before"_s);
    text7()->setPlainText(u"message"_s);
    text10()->setPlainText(u"out\nput"_s);
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

    text10()->setPlainText(u"output"_s);
    text10()->moveCursor(QTextCursor::End);
    click(u"Command5"_s);
    EXPECT_EQ(text10()->toPlainText(), u"outputout\nput"_s);
    QTest::mouseClick(text7()->viewport(), Qt::LeftButton, {}, {5, 5});
    click(u"Command5"_s);
    EXPECT_EQ(text7()->toPlainText(), u"out\nput"_s);
    clipboard->setMimeData(new QMimeData);
    selectAll(text7());
    click(u"Command5"_s);
    EXPECT_EQ(text7()->textCursor().selectedText(), u"out\u2029put"_s);
}

// Typing into a colour box or the hidden box, or a click on a colour box, goes on to the message
// box.
TEST_F(MainWindow, TheFocusMovesOnFromTheBoxes)
{
    box(2)->setFocus();
    box(2)->end(false);
    QTest::keyClicks(box(2), u"z"_s);
    EXPECT_EQ(box(2)->text(), u"#0000FF "_s);
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

// The labels, the box and the chart follow a bar; the box's text stays readable on its colour,
// and colour 3 shows grey while the fade leaves it out.
TEST_F(MainWindow, TheColourBoxesFollowTheirBarsInReadableText)
{
    bar(2)->setValue(255);
    EXPECT_EQ(control<QLabel>(u"Label2"_s)->text(), u"Green: 255"_s);
    EXPECT_EQ(color(box(1)), QColor(255, 255, 0));
    EXPECT_EQ(box(1)->text(), u"#FFFF00"_s);
    EXPECT_EQ(color(box(1), QPalette::Text), QColor(Qt::black));

    bar(7)->setValue(10);
    chooseFade(3);
    EXPECT_EQ(color(box(3)), QColor(150, 150, 150));
    EXPECT_EQ(box(3)->text(), u"#0AFF00"_s);
    chooseFade(6);
    EXPECT_EQ(color(box(3)), QColor(10, 255, 0));

    dialogs.answerColor(RGB(1, 2, 3));
    DoubleClick(box(3));
    EXPECT_EQ(dialogs.colorsOffered(), std::vector {RGB(10, 255, 0)});
    EXPECT_EQ(box(3)->text(), u"#010203"_s);
}

// Resized, the chart is labelled again; the left button drags the window by it, counting from
// the last press of either button.
TEST_F(MainWindow, TheChartIsLabelledWhenResizedAndDragsTheWindowWithTheLeftButton)
{
    chart()->resize(chart()->width() + 30, chart()->height());
    const QImage &image = chart()->image();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), QColor(Qt::white));
    int dark = 0;
    for (int x = 0; x < image.width() / 2; ++x)
        dark += image.pixelColor(x, image.height() / 2).lightness() < 128;
    EXPECT_GT(dark, 0); // the caption "Fade Chart"

    const QPoint grab(20, 8);
    const QPoint drop(50, 4);
    const QPoint start = window->pos();
    const auto drag = [&](Qt::MouseButton button) {
        QTest::mousePress(chart(), button, {}, grab);
        QTest::mouseMove(chart(), drop);
        QTest::mouseRelease(chart(), button, {}, drop);
    };
    drag(Qt::RightButton);
    EXPECT_EQ(window->pos(), start);
    QTest::mousePress(chart(), Qt::LeftButton, {}, drop);
    drag(Qt::RightButton);
    QTest::mouseRelease(chart(), Qt::LeftButton, {}, drop);
    EXPECT_EQ(window->pos(), start + drop - grab);
}

// "Elite Text" switches the message box's typing on and off.
TEST_F(MainWindow, EliteTextSwitchesWhatTypingDoes)
{
    text7()->clear();
    item(u"Elite"_s)->trigger();
    QTest::keyClicks(text7(), u"i"_s);
    item(u"Elite"_s)->trigger();
    QTest::keyClicks(text7(), u"i"_s);
    EXPECT_EQ(text7()->toPlainText(), u"îi"_s);
}

// "AOL4 Chat Talker" swaps this window for a chat window with the font names, a fresh one after
// the last has closed, which brings this window back.
TEST_F(MainWindow, ChatTalkerSwapsTheWindowForAFreshChatWindowEachPress)
{
    const int screenHeight = window->screen()->geometry().height();
    const auto press = [this] {
        click(u"Command2"_s);
        return QPointer<TintaAOL>(window->findChild<TintaAOL *>());
    };
    const QPointer<TintaAOL> first = press();
    EXPECT_GT(window->frameGeometry().top(), screenHeight);
    ASSERT_TRUE(first && first->isVisible());
    EXPECT_EQ(ItemTexts(*first->findChild<QComboBox *>(u"Combo2"_s)),
              QStringList {u"Comic Sans MS"_s});

    first->findChild<QComboBox *>(u"Combo1"_s)->setCurrentIndex(0);
    first->close();
    EXPECT_NEAR(window->frameGeometry().top(),
                (screenHeight - window->frameGeometry().height()) / 2, 1);
    // The event loop runs before the user can press the button again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    const QPointer<TintaAOL> second = press();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->findChild<QComboBox *>(u"Combo1"_s)->currentText(), u"TTinta"_s);
}

// A preset sets what it holds and comes back after a restart, a rename and a round trip
// through a shared file; lines of the file that hold no preset are said once.
TEST_F(MainWindow, ChooseSaveRenameDeleteExportAndImport)
{
    choose({u"Presets"_s, u"Sunset"_s});
    EXPECT_EQ(fades()->currentText(), u"Stops Fade"_s);
    EXPECT_EQ(box(1)->text(), u"#2E1760"_s);
    const QString sunset = generate(u"abcd"_s);

    choose({u"Bold"_s});
    dialogs.answerInput(u" Mine "_s);
    choose({u"Presets"_s, u"Save Current as Preset…"_s});
    choose({u"Presets"_s, u"Mint"_s});
    EXPECT_FALSE(item(u"Bold"_s)->isChecked());
    choose({u"Presets"_s, u"Mine"_s});
    EXPECT_TRUE(item(u"Bold"_s)->isChecked());
    EXPECT_EQ(generate(u"abcd"_s),
              QString(sunset)
                  .replace(u"SIZE=3>"_s, u"SIZE=3><B>"_s)
                  .replace(u"</FONT></FONT>"_s, u"</FONT></B></FONT>"_s));

    dialogs.answerInput(u"Ours"_s);
    choose({u"Presets"_s, u"Rename"_s, u"Mine"_s});
    QTemporaryDir shared;
    const QString file = shared.filePath(u"shared.jsonl"_s);
    dialogs.answerOpenFile(file);
    choose({u"Presets"_s, u"Export…"_s});
    choose({u"Presets"_s, u"Delete"_s, u"Ours"_s});
    EXPECT_FALSE(listsPreset(u"Ours"_s));
    dialogs.answerOpenFile(file);
    choose({u"Presets"_s, u"Import…"_s});
    EXPECT_TRUE(listsPreset(u"Ours"_s));
    EXPECT_TRUE(dialogs.notices().empty());

    const QString presets = PresetStore().path();
    WriteBytes(presets, ReadBytes(presets) + "{\"name\":\"cut off\n");
    choose({u"Presets"_s, u"Ours"_s});
    choose({u"Presets"_s, u"Ours"_s});
    EXPECT_EQ(dialogs.notices().size(), 1U);
    EXPECT_TRUE(listsPreset(u"Ours"_s));
}

// The clipboard's markup, else the output box's, gives the message and the fewest stops: two as
// Normal Fade, three as TTintra Fade, more as Stops Fade.
TEST_F(MainWindow, TakeColoursFromMarkupChoosesTheFadeOfTheFewestStops)
{
    const std::pair<QString, QString> cases[] = {
        {u"[color=#FF0000]a[/color][color=#AA0055]b[/color][color=#5500AA]c"_s, u"Normal Fade"_s},
        {u"<#ff0000>a<#0000ff>b<#00ff00>c"_s, u"TTintra Fade"_s},
        {u"&#ff0000a&#0000ffb&#00ff00c&#ffffffd"_s, u"Stops Fade"_s},
    };
    for (const auto &[clipboard, fade] : cases) {
        QGuiApplication::clipboard()->setText(clipboard);
        choose({u"Take Colours from Markup"_s});
        EXPECT_EQ(fades()->currentText(), fade);
        // A letter to each colour.
        EXPECT_EQ(text7()->toPlainText(), u"abcd"_s.first(clipboard.count(u'#')));
    }
    EXPECT_TRUE(generate(u"abcd"_s).endsWith(u"<FONT COLOR=\"#FFFFFF\">d</FONT></FONT>"_s));

    QGuiApplication::clipboard()->setText(u"plain"_s);
    generate(u"xy"_s);
    text7()->clear();
    choose({u"Take Colours from Markup"_s});
    EXPECT_EQ(text7()->toPlainText(), u"xy"_s);
    text10()->setPlainText(u"none"_s);
    choose({u"Take Colours from Markup"_s});
    EXPECT_EQ(dialogs.notices().size(), 1U);
}

// Choosing Stops Fade opens the stops; each change reaches the bars, the chart and the fade.
TEST_F(MainWindow, TheStopsEditorAddsRemovesMovesAndChoosesStops)
{
    chooseFade(FadeMode::Stops);
    auto *editor = control(u"StopsEditor"_s);
    ASSERT_TRUE(editor->isVisible());
    auto *list = control<QListWidget>(u"StopsList"_s);
    const auto shown = [&] {
        QStringList stops;
        for (int row = 0; row < list->count(); ++row)
            stops << list->item(row)->text();
        return stops;
    };
    EXPECT_EQ(shown(), (QStringList {u"#FF0000"_s, u"#0000FF"_s, u"#00FF00"_s}));
    list->setCurrentRow(1);
    QApplication::setActiveWindow(editor);
    list->setFocus();
    for (const QString &next :
         {u"AddStop"_s, u"RemoveStop"_s, u"MoveStopUp"_s, u"MoveStopDown"_s, u"StopsList"_s}) {
        QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(editor->focusWidget()->objectName(), next);
        EXPECT_FALSE(AccessibleText(editor->focusWidget(), QAccessible::Name).isEmpty());
    }

    list->setCurrentRow(2);
    click(u"AddStop"_s);
    dialogs.answerColor(RGB(255, 255, 255));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(shown(), (QStringList {u"#FF0000"_s, u"#0000FF"_s, u"#00FF00"_s, u"#FFFFFF"_s}));
    EXPECT_EQ(dialogs.colorsOffered().back(), RGB(0, 255, 0));
    EXPECT_TRUE(generate(u"abcdefg"_s).endsWith(u"<FONT COLOR=\"#FFFFFF\">g</FONT></FONT>"_s));

    click(u"MoveStopUp"_s);
    EXPECT_EQ(control<QLineEdit>(u"Text4"_s)->text(), u"#FFFFFF"_s); // colour 3 is stop 3
    EXPECT_EQ(list->currentRow(), 2);
    list->setCurrentRow(0);
    EXPECT_FALSE(control<QPushButton>(u"MoveStopUp"_s)->isEnabled());
    click(u"MoveStopDown"_s);
    EXPECT_EQ(control<QLineEdit>(u"Text2"_s)->text(), u"#0000FF"_s);
    click(u"RemoveStop"_s);
    click(u"RemoveStop"_s);
    EXPECT_EQ(shown(), (QStringList {u"#0000FF"_s, u"#00FF00"_s}));
    EXPECT_FALSE(control<QPushButton>(u"RemoveStop"_s)->isEnabled());
    for (int add = 0; add < 8; ++add)
        click(u"AddStop"_s);
    EXPECT_EQ(list->count(), 10);
    EXPECT_FALSE(control<QPushButton>(u"AddStop"_s)->isEnabled());

    // The bars move the first three stops; a double click on the chart brings the stops back.
    editor->close();
    control<QScrollBar>(u"HScroll1"_s)->setValue(255);
    QTest::mouseDClick(control<PictureBox>(u"Picture1"_s), Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(list->item(0)->text(), u"#FF00FF"_s);
}

// With a screen reader and the keyboard alone: Tab visits every control, named, in the order of
// the layout; the bars and the chart say what they show as it changes; Ctrl+Return in the
// message box generates and Escape closes the options menu.
TEST_F(MainWindow, EveryControlIsNamedInTabOrderAndWorksFromTheKeyboard)
{
    fades()->setCurrentIndex(FadeMode::TTintra);
    ExpectKeyboardTour(*window,
                       u"Text7 Text10 Command3 Command4 Command5 Command2 Command6 "
                       "Command1 Command7 HScroll1 HScroll2 HScroll3 Text2 HScroll4 "
                       "HScroll5 HScroll6 Text3 HScroll7 HScroll8 HScroll9 Text4 Combo3 "
                       "Combo2 Combo1 Picture1"_s);
    QTest::keyClick(bar(2), Qt::Key_PageUp);
    EXPECT_EQ(AccessibleText(bar(2), QAccessible::Value), u"10"_s);
    EXPECT_EQ(AccessibleText(chart(), QAccessible::Description),
              u"TTintra Fade from #FF0A00 through #0000FF to #00FF00"_s);

    QTest::keyClick(text7(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(text10()->toPlainText().startsWith(u'<'));
    auto *menu = control<QMenu>(u"Tintra4"_s);
    QTest::keyClick(control(u"Command7"_s), Qt::Key_Space);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
}

} // namespace
