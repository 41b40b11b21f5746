#include "tests/testing/GuiTests.h"
#include "tests/testing/TestFiles.h"
#include "winhelpers/ControlLayout.h"
#include "winhelpers/FontListFile.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/GradientSettings.h"
#include "winhelpers/Pause.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/QtDialogs.h"
#include "winhelpers/TextBox.h"
#include "winhelpers/WindowMotion.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

TEST(FontListFile, EveryLineEndsInCrCrLf)
{
    EXPECT_EQ(FontListFile::bytesOf({u"Arial"_s, u"Symbol"_s}),
              QByteArray("[The Font Names]\r\r\nArial\r\r\nSymbol\r\r\n"));
    EXPECT_EQ(FontListFile::bytesOf({u"Noto Sans Ελληνικά"_s}),
              QByteArray("[The Font Names]\r\r\nNoto Sans \xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD"
                         "\xCE\xB9\xCE\xBA\xCE\xAC\r\r\n"));
}

TEST(FontListFile, ReadsNamesByTheItemRule)
{
    // What the case shows, the file's text and the names read from it.
    const std::tuple<const char *, QString, QStringList> cases[] = {
        {"as written",
         u"[The Font Names]\r\r\nArial\r\r\nSymbol\r\r\n"_s,
         {u"Arial"_s, u"Symbol"_s}},
        {"lines with [ anywhere are skipped",
         u"[Fonts]\nA[b\nx]y\nVerdana\n"_s,
         {u"x]y"_s, u"Verdana"_s}},
        {"a comma splits a line", u"Times,Courier New\n"_s, {u"Times"_s, u"Courier New"_s}},
        {"empty lines add nothing", u"\n\r\n\rArial\n\n,,\n"_s, {u"Arial"_s}},
        {"no line end after the last name", u"Arial\r\nSymbol"_s, {u"Arial"_s, u"Symbol"_s}},
        {"blanks are kept", u" Arial \n"_s, {u" Arial "_s}},
        {"nothing", QString(), {}},
    };
    for (const auto &[name, text, names] : cases)
        EXPECT_EQ(FontListFile::namesFromText(text), names) << name;
}

// No names from what is no file or from a file that holds only its header: the fonts must be
// listed afresh.
TEST(FontListFile, AFileWithoutNamesCountsAsMissing)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(u"a folder"_s);
    WriteBytes(folder.filePath(u"header"_s), "[The Font Names]\r\r\n");
    for (const QString &name : {u"missing"_s, u"a folder"_s, u"header"_s})
        EXPECT_EQ(FontListFile(folder.filePath(name)).read(), std::nullopt) << name.toStdString();
}

TEST(FontListFile, AnUnwritableFolderIsReportedAndLeftAlone)
{
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(u"file"_s);
    WriteBytes(notAFolder, "keep me");
    EXPECT_FALSE(FontListFile(notAFolder + u"/Font Names.INI"_s).write({u"Arial"_s}));
    EXPECT_EQ(ReadBytes(notAFolder), QByteArray("keep me"));
}

GradientSettings prepared(ColorValue start, ColorValue end)
{
    GradientSettings settings {.GradientStart = start, .GradientEnd = end};
    PrepareGradient(settings);
    return settings;
}

TEST(GradientColors, StepFromStartToEndInFiftyBands)
{
    // An end of black stands for the default dark blue.
    const std::tuple<ColorValue, ColorValue, ColorValue, Rgb, Rgb> cases[] = {
        {RGB(0, 158, 158), 0, RGB(0, 0, 32), {0, -3, -2}, {0, 11, 60}},
        {RGB(255, 255, 255), 0, RGB(0, 0, 32), {-5, -5, -4}, {10, 10, 59}},
        {RGB(0, 0, 0), RGB(100, 200, 255), RGB(100, 200, 255), {2, 4, 5}, {98, 196, 245}}};
    for (const auto &[start, end, preparedEnd, steps, lastBand] : cases) {
        SCOPED_TRACE(start);
        const GradientSettings settings = prepared(start, end);
        EXPECT_EQ(settings.GradientEnd, preparedEnd);
        EXPECT_EQ((Rgb {settings.BandStepRed, settings.BandStepGreen, settings.BandStepBlue}),
                  steps);
        const std::vector<GradientBand> bands = GradientBands(settings, 360);
        ASSERT_EQ(bands.size(), 50U);
        EXPECT_EQ(bands.front().color, SplitColor(start));
        EXPECT_EQ(bands.back().color, lastBand);
    }
}

TEST(GradientRows, BandsOverlapAndTheLastReachesTheBottom)
{
    // Window height, band, its top and bottom rows.
    const std::tuple<int, int, int, int> cases[] = {
        {360, 0, 0, 7},  {360, 1, 6, 14},  {360, 2, 13, 21}, {360, 49, 342, 359}, {30, 0, 0, 0},
        {30, 48, -1, 0}, {30, 49, -1, 29}, {266, 0, 0, 5},   {266, 49, 244, 265}};
    const GradientSettings settings = prepared(RGB(0, 190, 180), 0);
    for (const auto &[height, index, top, bottom] : cases) {
        const GradientBand band = GradientBands(settings, height).at(index);
        EXPECT_EQ(std::pair(band.top, band.bottom), std::pair(top, bottom))
            << "height " << height << ", band " << index;
    }
}

TEST(PaintGradient, PaintsTheLastPreparedBandsIntoTheRetainedBackground)
{
    QWidget window;
    window.resize(200, 360);
    PaintGradient(window, prepared(RGB(0, 190, 180), 0));
    EXPECT_EQ(window.grab().toImage().pixel(100, 0), qRgb(0, 190, 180));
    EXPECT_EQ(window.grab().toImage().pixel(199, 359), qRgb(0, 43, 82));
    // A later repaint shows the same picture without painting the gradient again.
    window.repaint();
    EXPECT_EQ(window.grab().toImage().pixel(0, 0), qRgb(0, 190, 180));

    // Without settings of its own a window paints the shared ones, as last prepared.
    GradientSettings &shared = SharedGradientSettings();
    const GradientSettings saved = shared;
    shared.GradientStart = RGB(0, 158, 158);
    shared.GradientEnd = 0;
    PrepareGradient();
    shared.GradientStart = RGB(10, 20, 30);
    PrepareGradient();
    PaintGradient(window);
    EXPECT_EQ(window.grab().toImage().pixel(50, 0), qRgb(10, 20, 30));
    shared = saved;
}

TEST(RecordControl, RoundsHalvesToEvenAndKeepsZeroForWhatDoesNotFit)
{
    EXPECT_EQ(RecordControl({120.5, 121.5, 3735, 1815, 3990, 7830, 8.25}),
              (ControlLayout {120, 122, 3735, 1815, 3990, 7830, 8}));
    EXPECT_EQ(RecordControl({40000, 0, 10, 10, 3990, 7830, 0}).Top, 0);
}

TEST(ScaleControl, FollowsTheWindowsSizeRatio)
{
    const ControlLayout text7 {120, 120, 3735, 1815, 3990, 7830, 8};
    // The recorded control, the window's inner height and width now, and the scaled control.
    const std::tuple<const char *, ControlLayout, double, double, ScaledControl> cases[] = {
        // Text grows with the tighter direction only, so it stays inside its control.
        {"only taller", text7, 7980, 7830, {240, 120, 3735, 3630, 8}},
        {"twice as tall, half as wide again", text7, 7980, 11745, {240, 180, 5602.5f, 3630, 12}},
        {"recorded window of no size", {120, 120, 3735, 1815, 0, 0, 8}, 3990, 7830, {}},
        {"no font", {10, 20, 30, 40, 100, 200, 0}, 200, 400, {20, 40, 60, 80, {}}},
    };
    const auto fields = [](const ScaledControl &s) {
        return std::tuple(s.top, s.left, s.width, s.height, s.fontSize);
    };
    for (const auto &[name, recorded, innerHeight, innerWidth, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fields(ScaleControl(recorded, innerHeight, innerWidth)), fields(expected));
    }
}

// A window with a 12-point button, a label and a pop-up menu, its layout saved at 522 x 266.
struct LayoutWindow
{
    LayoutWindow()
    {
        window.resize(522, 266);
        button->setGeometry(8, 136, 79, 17);
        label->setGeometry(392, 160, 121, 25);
        button->setFont(QFont(button->font().family(), 12));
        SaveLayout(window, table);
    }

    QWidget window;
    QPushButton *button = new QPushButton(QStringLiteral("CUT"), &window);
    QLabel *label = new QLabel(QStringLiteral("Red: 255"), &window);
    QMenu *menu = new QMenu(&window);
    LayoutTable table;
};

TEST(Layout, RecordsEveryControlButThePopUpMenuAndScalesPlacesAndFontsWithTheWindow)
{
    const LayoutWindow saved;
    ASSERT_EQ(saved.table.size(), 2U);
    EXPECT_EQ(saved.table[0], (ControlLayout {2040, 120, 1185, 255, 3990, 7830, 12}));

    // The window's new size, the rows of the table kept, and where the controls end up.
    const std::tuple<const char *, QSize, size_t, QRect, QRect, double> cases[] = {
        {"right after saving", {522, 266}, 2, {8, 136, 79, 17}, {392, 160, 121, 25}, 12},
        {"doubled", {1044, 532}, 2, {16, 272, 158, 34}, {784, 320, 242, 50}, 24},
        {"halved, font held at 8", {261, 133}, 2, {4, 68, 40, 8}, {196, 80, 60, 12}, 8},
        // A table shorter than the form leaves the controls it lacks alone.
        {"short table", {1044, 532}, 1, {16, 272, 158, 34}, {392, 160, 121, 25}, 24},
    };
    for (const auto &[name, size, tableRows, button, label, fontSize] : cases) {
        SCOPED_TRACE(name);
        LayoutWindow form;
        form.table.resize(tableRows);
        form.window.resize(size);
        ApplyLayout(form.window, form.table);
        EXPECT_EQ(form.button->geometry(), button);
        EXPECT_EQ(form.label->geometry(), label);
        EXPECT_DOUBLE_EQ(form.button->font().pointSizeF(), fontSize);
        EXPECT_TRUE(form.button->isVisibleTo(&form.window));
    }
}

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

// A box of 185 × 19 pixels, 2775 × 285 twips at 96 dpi, drawn on before it is ever shown, and
// clicked with the right button.
TEST(PictureBox, DrawsAndReportsPressesInTwipsOverItsWholeSize)
{
    PictureBox box;
    box.setFrameStyle(QFrame::NoFrame);
    box.resize(185, 19);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 2775);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 285);
    box.fillBox({0, 0}, {box.scaleWidth(), box.scaleHeight()}, RGB(0, 0, 255));
    box.fillBox({0, 0}, {150, 285}, RGB(255, 0, 0));
    EXPECT_EQ(box.image().size(), QSize(185, 19));
    EXPECT_EQ(box.image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(box.image().pixel(180, 15), qRgb(0, 0, 255));
    EXPECT_EQ(box.grab().toImage().pixel(5, 5), qRgb(255, 0, 0));
    box.clear();
    EXPECT_EQ(box.image().pixel(5, 5), qRgb(255, 255, 255));

    QSignalSpy clicks(&box, &PictureBox::clicked);
    QSignalSpy presses(&box, &PictureBox::pressed);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 2));
    EXPECT_EQ(clicks.size(), 1);
    ASSERT_EQ(presses.size(), 1);
    EXPECT_EQ(presses[0][0].toPointF(), QPointF(150, 30));
    EXPECT_EQ(presses[0][1].value<Qt::MouseButton>(), Qt::RightButton);
}

// A window that a dialog belongs to, with a button and a box of its own.
class OwnerWindow : public testing::Test
{
protected:
    OwnerWindow()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget window;
    QPushButton *button = new QPushButton(&window);
    QLineEdit *box = new QLineEdit(&window);
    QtDialogs dialogs;
};

// While a dialog is open, its window takes no clicks and no typing, but it does close when the
// window system asks it to, and the dialog closes with it as cancelled.
TEST_F(OwnerWindow, DialogsKeepInputAwayButLetTheirWindowClose)
{
    // The message box is closed with the program's main window in the program's test.
    const QMetaObject *dialogTypes[] = {&QInputDialog::staticMetaObject,
                                        &QColorDialog::staticMetaObject,
                                        &QFileDialog::staticMetaObject};
    for (const QMetaObject *type : dialogTypes) {
        SCOPED_TRACE(type->className());
        window.show();
        QSignalSpy presses(button, &QPushButton::clicked);
        WhenDialogShows(*type, [&](QWidget &) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClicks(box, u"typed"_s);
            CloseAsTheWindowSystemDoes(window);
        });
        if (type == &QInputDialog::staticMetaObject)
            EXPECT_EQ(dialogs.inputBox(box, u"Prompt"_s, u"Title"_s, u"default"_s), QString());
        else if (type == &QColorDialog::staticMetaObject)
            EXPECT_EQ(dialogs.chooseColor(box, RGB(1, 2, 3)), std::nullopt);
        else
            EXPECT_EQ(dialogs.chooseOpenFile(box, u"Open"_s, QDir::homePath(), u"*.png"_s),
                      QString());
        EXPECT_TRUE(presses.isEmpty());
        EXPECT_EQ(box->text(), QString());
        EXPECT_FALSE(window.isVisible());
        for (QWidget *top : QApplication::topLevelWidgets())
            EXPECT_FALSE(top->isVisible()) << top->metaObject()->className();
    }
}

// Answered, the colour chooser gives the colour chosen, from the one it opened at; the file
// chooser opens in the folder asked, with the filter asked.
TEST_F(OwnerWindow, DialogsGiveTheAnswer)
{
    WhenDialogShows(QColorDialog::staticMetaObject, [](QWidget &dialog) {
        EXPECT_EQ(static_cast<QColorDialog &>(dialog).currentColor(), QColor(1, 2, 3));
        static_cast<QColorDialog &>(dialog).setCurrentColor(QColor(250, 128, 0));
        static_cast<QColorDialog &>(dialog).accept();
    });
    EXPECT_EQ(dialogs.chooseColor(box, RGB(1, 2, 3)), RGB(250, 128, 0));

    const QTemporaryDir folder;
    WhenDialogShows(QFileDialog::staticMetaObject, [&folder](QWidget &dialog) {
        auto &chooser = static_cast<QFileDialog &>(dialog);
        EXPECT_EQ(chooser.directory().absolutePath(), folder.path());
        EXPECT_EQ(chooser.nameFilters(), QStringList {u"Pictures (*.png)"_s});
        chooser.reject();
    });
    EXPECT_EQ(dialogs.chooseOpenFile(box, u"Open"_s, folder.path(), u"Pictures (*.png)"_s),
              QString());
}

// Every way data comes into a box: the paste keys over the selected "message", a drop after it.
// Data without text changes neither the text nor the selection.
TEST(TextBox, TakesInOnlyDataThatHoldsText)
{
    const std::pair<const char *, QString> ways[] = {
        {"Ctrl+V", u"Hi pasted"_s}, {"Shift+Ins", u"Hi pasted"_s}, {"drop", u"Hi messagepasted"_s}};
    for (const auto &[way, withText] : ways) {
        for (const char *kind : {"no formats", "empty text", "picture", "text"}) {
            TextBox box;
            box.setPlainText(u"Hi message"_s);
            box.show();
            QTextCursor cursor = box.textCursor();
            cursor.setPosition(3);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            box.setTextCursor(cursor);
            // What the desktop's clipboard may hold, as the program receives it; "no formats"
            // is the desktop's empty clipboard.
            auto *data = new QMimeData;
            if (qstrcmp(kind, "text") == 0)
                data->setText(u"pasted"_s);
            else if (qstrcmp(kind, "empty text") == 0)
                data->setText(QString());
            else if (qstrcmp(kind, "picture") == 0)
                data->setImageData(QImage(1, 1, QImage::Format_RGB32));
            QGuiApplication::clipboard()->setMimeData(data);
            if (qstrcmp(way, "drop") == 0) {
                // Dragged in from elsewhere and dropped at the end of the text.
                const QPoint end(box.viewport()->width() - 2, box.fontMetrics().height() / 2);
                QDragEnterEvent enter(end, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(box.viewport(), &enter);
                QDropEvent drop(end, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(box.viewport(), &drop);
            } else {
                QTest::keySequence(&box, QKeySequence(QString::fromLatin1(way)));
            }
            const bool hasText = qstrcmp(kind, "text") == 0;
            EXPECT_EQ(box.toPlainText(), hasText ? withText : u"Hi message"_s) << way << kind;
            EXPECT_TRUE(hasText || box.textCursor().selectedText() == u"message"_s) << way << kind;
        }
    }
}

} // namespace
