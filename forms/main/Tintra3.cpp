#include "forms/main/Tintra3.h"

#include "chat/TintaAOL.h"
#include "engine/EliteText.h"
#include "engine/FadeChart.h"
#include "engine/FadeGenerator.h"
#include "engine/RandomSource.h"
#include "forms/preview/ViewHtmlFade.h"
#include "winhelpers/ControlLayout.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/Pause.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowMotion.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;

namespace {

constexpr QRectF ClientArea(0, 0, 7830, 3990);

// Per bar (HScroll1 .. HScroll9): the caption of its read-out and the number of its label.
const std::array<QString, 3> ChannelNames {u"Red: "_s, u"Green: "_s, u"Blue: "_s};
constexpr std::array<int, 9> LabelNumbers {1, 2, 3, 4, 5, 6, 7, 8, 10};

// Colour 3 is offered only while the chosen fade uses it; otherwise its box shows this grey.
constexpr ColorValue UnusedColor = RGB(150, 150, 150);

const QStringList FadeList {
    u"Normal Fade"_s,     u"Rainbow Fade"_s,   u"Randomize Fade"_s,
    u"Repeater Fade"_s,   u"TTintra Fade"_s,   u"DUDadodov Fade"_s,
    u"TCRepeater Fade"_s, u"TWMystery Fade"_s, u"No Fade"_s,
};

QFont boldFont(const QString &family)
{
    QFont font(family);
    font.setBold(true);
    font.setPointSizeF(8.25);
    // The output box holds up to about 50 000 characters of markup in one paragraph; laying
    // it out without shaping (Latin fonts need none) is several times faster.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QPlainTextEdit *textArea(QWidget *window, const QString &name, const QRectF &twips)
{
    auto *box = PlaceControl<QPlainTextEdit>(*window, name, twips);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QLabel *label(QWidget *window, const QString &name, const QRectF &twips, const QString &caption)
{
    auto *label = PlaceControl<QLabel>(*window, name, twips, caption);
    label->setAlignment(Qt::AlignCenter);
    SetPaletteColor(*label, QPalette::WindowText, RGB(255, 255, 255));
    return label;
}

QStringList entries(const QComboBox &list)
{
    QStringList texts;
    for (int index = 0; index < list.count(); ++index)
        texts.append(list.itemText(index));
    return texts;
}

QString selectedText(const QPlainTextEdit &box)
{
    return box.textCursor().selection().toPlainText();
}

// The output box shows the markup's line breaks as line breaks.
QString displayed(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace

Tintra3::Tintra3(Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(u"Tintra3"_s);
    resize(TwipsToPixels(ClientArea, LogicalDpi(*this)).size());
    setFont(boldFont(u"Comic Sans MS"_s));
    createControls();
    createOptionsMenu();
    Form_Load();
}

void Tintra3::createControls()
{
    // Creation order is tab order: Text1 first, then the two big boxes.
    createTextBoxes();
    createCommands();
    createColorPickers();
    createLists();
    createChart();
    watchControls();
}

void Tintra3::createTextBoxes()
{
    Text1 = PlaceControl<QLineEdit>(*this, u"Text1"_s, {120, 4680, 1815, 375});
    Text7 = textArea(this, u"Text7"_s, {120, 120, 3735, 1815});
    Text10 = textArea(this, u"Text10"_s, {3960, 120, 3735, 1815});
    Text10->setPlainText(u"This is the output box\n"_s);
}

void Tintra3::createCommands()
{
    Command3 = PlaceControl<QPushButton>(*this, u"Command3"_s, {120, 2040, 1185, 255}, u"CUT"_s);
    Command4 = PlaceControl<QPushButton>(*this, u"Command4"_s, {1395, 2040, 1185, 255}, u"COPY"_s);
    Command5 = PlaceControl<QPushButton>(*this, u"Command5"_s, {2670, 2040, 1185, 255}, u"PASTE"_s);
    Command2 = PlaceControl<QPushButton>(*this, u"Command2"_s, {3960, 2040, 1815, 255},
                                         u"AOL4 Chat Talker"_s);
    Command6 = PlaceControl<QPushButton>(*this, u"Command6"_s, {5880, 2040, 1815, 255},
                                         u"View HTML Fade"_s);
    Command1 = PlaceControl<QPushButton>(*this, u"Command1"_s, {5880, 2400, 1815, 375},
                                         u"Generate Fade"_s);
    Command7 = PlaceControl<QPushButton>(*this, u"Command7"_s, {5880, 2880, 1815, 255},
                                         u"Tintra 4.0 Options"_s);

    connect(Command1, &QPushButton::clicked, this, &Tintra3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Tintra3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Tintra3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Tintra3::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Tintra3::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Tintra3::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Tintra3::Command7_Click);
}

// Three colours, side by side: per channel a read-out label and a bar, then the colour box.
void Tintra3::createColorPickers()
{
    static const std::array<Rgb, 3> initial {Rgb {255, 0, 0}, Rgb {0, 0, 255}, Rgb {0, 255, 0}};
    static constexpr std::array<void (Tintra3::*)(), 9> changes {
        &Tintra3::HScroll1_Change, &Tintra3::HScroll2_Change, &Tintra3::HScroll3_Change,
        &Tintra3::HScroll4_Change, &Tintra3::HScroll5_Change, &Tintra3::HScroll6_Change,
        &Tintra3::HScroll7_Change, &Tintra3::HScroll8_Change, &Tintra3::HScroll9_Change,
    };
    for (int colour = 0; colour < 3; ++colour) {
        const double left = 120 + 1920 * colour;
        const Rgb rgb = initial[colour];
        const std::array<int, 3> values {rgb.red, rgb.green, rgb.blue};
        for (int channel = 0; channel < 3; ++channel) {
            const int bar = 3 * colour + channel;
            const double top = 2400 + 240 * channel;
            const int labelNumber = LabelNumbers[bar];
            Label[labelNumber - 1] =
                label(this, u"Label%1"_s.arg(labelNumber), {left, top, 975, 255},
                      ChannelNames[channel] + QString::number(values[channel]));
            HScroll[bar] = PlaceColorBar(*this, u"HScroll%1"_s.arg(bar + 1),
                                         {left + 960, top, 855, 255}, values[channel]);
            // Connected after the initial value: the labels and boxes already show it.
            connect(HScroll[bar], &QScrollBar::valueChanged, this, changes[bar]);
        }
        QLineEdit *box =
            PlaceControl<QLineEdit>(*this, u"Text%1"_s.arg(colour + 2), {left, 3240, 1815, 285});
        box->setText(HColor1(RGB(rgb)));
        box->setAlignment(Qt::AlignCenter);
        box->setFont(boldFont(u"Arial"_s));
        SetPaletteColor(*box, QPalette::Base, RGB(rgb));
        ColorBox[colour] = box;
    }
}

void Tintra3::createLists()
{
    Combo3 = PlaceControl<QComboBox>(*this, u"Combo3"_s, {5880, 3240, 1815, 300});
    Label[8] = label(this, u"Label9"_s, {120, 3600, 1935, 255}, u"The Fonts Size/Name:"_s);
    Combo2 = PlaceControl<QComboBox>(*this, u"Combo2"_s, {2160, 3600, 630, 300});
    Combo1 = PlaceControl<QComboBox>(*this, u"Combo1"_s, {2880, 3600, 1935, 300});
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    const QFont listFont = boldFont(u"Arial Rounded MT Bold"_s);
    for (QComboBox *list : {Combo1, Combo2, Combo3})
        list->setFont(listFont);
    // Wired before the load fills the list, so that selecting its first entry runs it.
    connect(Combo3, &QComboBox::currentIndexChanged, this, &Tintra3::Combo3_Click);
}

void Tintra3::createChart()
{
    Picture1 = PlaceControl<PictureBox>(*this, u"Picture1"_s, {4920, 3600, 2775, 285});
    connect(Picture1, &PictureBox::clicked, this, &Tintra3::Picture1_Click);
    connect(Picture1, &PictureBox::resized, this, &Tintra3::Picture1_Resize);
    connect(Picture1, &PictureBox::pressed, this, &Tintra3::Picture1_MouseDown);
    connect(Picture1, &PictureBox::moved, this, &Tintra3::Picture1_MouseMove);
}

void Tintra3::watchControls()
{
    // The two lists that are only chosen from get their keys through the list and, while it is
    // dropped down, through its pop-up view.
    for (QObject *control : std::initializer_list<QObject *> {
             Text1, Text7, ColorBox[0], ColorBox[1], ColorBox[2], Combo2, Combo2->view(), Combo3,
             Combo3->view(), Picture1, Text7->viewport(), Text10->viewport()})
        control->installEventFilter(this);
}

void Tintra3::createOptionsMenu()
{
    Tintra4 = new QMenu(u"Tintra4"_s, this);
    Tintra4->setObjectName(u"Tintra4"_s);
    Tintra4->setFont(QFont());
    const auto item = [this](const QString &name, const QString &caption) {
        QAction *action = Tintra4->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        return action;
    };
    Bold = item(u"Bold"_s, u"Bold"_s);
    Italics = item(u"Italics"_s, u"Italics"_s);
    Underline = item(u"Underline"_s, u"Underline"_s);
    Waving = item(u"Waving"_s, u"Waving"_s);
    Elite = item(u"Elite"_s, u"Elite Text"_s);
    StayT = item(u"StayT"_s, u"Form Stay On Top"_s);
    connect(StayT, &QAction::triggered, this, &Tintra3::StayT_Click);
}

void Tintra3::Form_Load()
{
    GradientSettings &gradient = SharedGradientSettings();
    gradient.GradientStart = RGB(0, 190, 180);
    gradient.GradientEnd = 0;
    PrepareGradient();
    SaveLayout(*this);
    PaintGradient(*this);

    Combo3->addItems(FadeList);
    Combo3->setCurrentIndex(FadeMode::Normal);

    PlaceAboveScreen(*this);
    CentreHorizontally(*this);
    show();
    // The window frame's size is known only once the window is shown, with some window managers
    // a while later, and the window waits up there until start-up slides it in.
    HoldAboveScreen(*this);
    setWindowTitle(u"DUV or QY's HTML Razod Ozura 4.0"_s);
    Text7->setPlainText(u"Your message here"_s);
    Picture1_Click();
    Text7->setFocus();
}

void Tintra3::Form_Resize()
{
    ApplyLayout(*this);
    if (isMinimized() && StayT->isChecked())
        StayOnTop(*this);
    Picture1_Click();
    PaintGradient(*this);
}

void Tintra3::Form_Unload()
{
    GradientSettings &gradient = SharedGradientSettings();
    RandomSource &random = m_services.random;
    const auto draw = [&random] {
        return static_cast<int>(double(random.next()) * 255 + 1);
    };
    for (int farewell = 0; farewell < 10; ++farewell) {
        random.reseedFromClock();
        const int startRed = draw();
        const int startGreen = draw();
        const int startBlue = draw();
        const int endRed = draw();
        const int endGreen = draw();
        const int endBlue = draw();
        gradient.GradientStart = RGB(startRed, startGreen, startBlue);
        gradient.GradientEnd = RGB(endRed, endGreen, endBlue);
        PrepareGradient();
        PaintGradient(*this);
        Pause(0.1, m_services.clock);
    }
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    SlideOut(*this);
    emit programEnded();
}

void Tintra3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Tintra3::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Minimising leaves the size alone, so Qt sends no resize for it.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        Form_Resize();
}

void Tintra3::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The farewell processes events, so a second close may arrive while it runs.
    if (m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
}

bool Tintra3::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(watched, *static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonRelease:
        click(watched);
        return false;
    default:
        return false;
    }
}

bool Tintra3::keyPress(QObject *control, const QKeyEvent &event)
{
    // Only keys that type a character are handled; moving keys keep working.
    if (event.text().isEmpty())
        return false;
    if (control == Combo2 || control == Combo2->view() || control == Combo3 ||
        control == Combo3->view() || control == Picture1) {
        // Enter and Escape still close a dropped-down list.
        return event.text().front().isPrint();
    }
    if (control == Text7)
        return retypeInMessage(event);
    if (control == Text1) {
        Text7->setFocus();
        return true;
    }
    for (QLineEdit *box : ColorBox) {
        if (control == box) {
            box->insert(u" "_s);
            Text7->setFocus();
            return true;
        }
    }
    return false;
}

// A typed character that the key handler replaces reaches the message box as the key of its
// replacement, so the box inserts it as typed: over the selection, into its undo history.
// Only keys that type one visible character qualify; Backspace, Enter and shortcuts such as
// paste pass untouched.
bool Tintra3::retypeInMessage(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.size() != 1 || !text.front().isPrint())
        return false;
    QChar typed = text.front();
    Text7_KeyPress(typed);
    if (typed == text.front())
        return false;
    // The replacement comes back through this filter; the tables map it to itself.
    QKeyEvent retyped(event.type(), event.key(), event.modifiers(), QString(typed),
                      event.isAutoRepeat(), event.count());
    QCoreApplication::sendEvent(Text7, &retyped);
    return true;
}

void Tintra3::Text7_KeyPress(QChar &typed) const
{
    if (Elite->isChecked())
        typed = EliteSubstitute(typed);
}

void Tintra3::click(QObject *control)
{
    if (control == Text7->viewport())
        PasteTo = 1;
    else if (control == Text10->viewport())
        PasteTo = 0;
    else if (control == Text1 || std::ranges::find(ColorBox, control) != ColorBox.end())
        Text7->setFocus();
}

void Tintra3::Command1_Click()
{
    FadeRequest request;
    request.message = Text7->toPlainText().replace(u'\n', u"\r\n"_s);
    // The font name is what the box shows, chosen or typed.
    request.options = {Combo1->currentText(), Combo2->currentText(),  Bold->isChecked(),
                       Italics->isChecked(),  Underline->isChecked(), Waving->isChecked()};
    request.fadeMode = Combo3->currentIndex();
    const FadeResult result = GenerateFade(request, *this, m_segmentState, m_services.random);
    if (result.notice)
        m_services.dialogs.messageBox(this, *result.notice);
    if (result.output)
        Text10->setPlainText(displayed(*result.output));
    if (result.lastColor)
        SetPaletteColor(*Text1, QPalette::Base, *result.lastColor);
}

// The chat window brings this window back when it closes.
void Tintra3::Command2_Click()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    SlideOut(*this);
    if (m_chatWindow)
        m_chatWindow->show();
    else
        m_chatWindow = new TintaAOL(m_services, entries(*Combo1), this);
}

QPlainTextEdit &Tintra3::selectionSource() const
{
    return Text7->textCursor().hasSelection() ? *Text7 : *Text10;
}

void Tintra3::Command3_Click()
{
    QPlainTextEdit &box = selectionSource();
    QGuiApplication::clipboard()->setText(selectedText(box));
    QTextCursor cursor = box.textCursor();
    cursor.removeSelectedText();
    box.setTextCursor(cursor);
}

void Tintra3::Command4_Click()
{
    QGuiApplication::clipboard()->setText(selectedText(selectionSource()));
}

void Tintra3::Command5_Click()
{
    QPlainTextEdit &box = PasteTo == 1 ? *Text7 : *Text10;
    QTextCursor cursor = box.textCursor();
    cursor.insertText(QGuiApplication::clipboard()->text());
    box.setTextCursor(cursor);
}

void Tintra3::Command6_Click()
{
    ViewHtmlFade(*this, Text10->toPlainText(), m_services, StayT->isChecked(),
                 PreviewFile(m_services.previewFolder));
}

void Tintra3::Command7_Click()
{
    const QPoint centre(Command7->x() + Command7->width() / 2,
                        Command7->y() + Command7->height() / 2);
    Tintra4->popup(mapToGlobal(centre));
}

void Tintra3::StayT_Click(bool checked)
{
    if (checked)
        StayOnTop(*this);
    else
        NotOnTop(*this);
}

Rgb Tintra3::color(int which) const
{
    const int first = 3 * (which - 1);
    return {HScroll[first]->value(), HScroll[first + 1]->value(), HScroll[first + 2]->value()};
}

void Tintra3::setChannel(int bar, int value)
{
    HScroll[bar - 1]->setValue(value);
}

void Tintra3::showProgress()
{
    Text10->setPlainText(u"Generating fade..."_s);
    Pause(1e-11, m_services.clock);
}

QString Tintra3::askCount(const QString &prompt, const QString &title, const QString &defaultText)
{
    return m_services.dialogs.inputBox(this, prompt, title, defaultText);
}

void Tintra3::HScroll1_Change()
{
    showChannel(1);
}

void Tintra3::HScroll2_Change()
{
    showChannel(2);
}

void Tintra3::HScroll3_Change()
{
    showChannel(3);
}

void Tintra3::HScroll4_Change()
{
    showChannel(4);
}

void Tintra3::HScroll5_Change()
{
    showChannel(5);
}

void Tintra3::HScroll6_Change()
{
    showChannel(6);
}

void Tintra3::HScroll7_Change()
{
    showChannel(7);
}

void Tintra3::HScroll8_Change()
{
    showChannel(8);
}

void Tintra3::HScroll9_Change()
{
    showChannel(9);
}

// bar: 1..9.
void Tintra3::showChannel(int bar)
{
    const int colour = (bar - 1) / 3 + 1;
    Label[LabelNumbers[bar - 1] - 1]->setText(ChannelNames[(bar - 1) % 3] +
                                              QString::number(HScroll[bar - 1]->value()));
    QLineEdit &box = *ColorBox[colour - 1];
    const ColorValue value = RGB(color(colour));
    SetPaletteColor(box, QPalette::Base, value);
    box.setText(HColor1(value));
    paintchart2();
}

void Tintra3::Combo3_Click()
{
    const int mode = Combo3->currentIndex();
    RepeatMode = mode == FadeMode::Repeater ? 1 : mode == FadeMode::TCRepeater ? 2 : 0;
    ThreeColors = mode == FadeMode::TTintra || mode == FadeMode::DUDadodov ? 1 : 0;
    const bool colour3Used = ThreeColors == 1 || RepeatMode == 2;
    for (int bar = 6; bar < 9; ++bar)
        HScroll[bar]->setEnabled(colour3Used);
    SetPaletteColor(*ColorBox[2], QPalette::Base, colour3Used ? RGB(color(3)) : UnusedColor);
    paintchart2();
}

void Tintra3::paintchart2()
{
    ChartPattern pattern = ChartPattern::TwoColors;
    if (ThreeColors == 1)
        pattern = ChartPattern::ThreeColors;
    else if (RepeatMode == 1)
        pattern = ChartPattern::Repeater;
    else if (RepeatMode == 2)
        pattern = ChartPattern::TCRepeater;
    const auto bands = FadeChartColors(pattern, ChartPrecision::Single, *this, m_segmentState);
    const float width = float(Picture1->scaleWidth()) / ChartBandCount;
    const double height = Picture1->scaleHeight();
    float x = 0;
    for (const ColorValue band : bands) {
        Picture1->fillBox({x, 0}, {x + width, height}, band);
        x += width;
    }
}

void Tintra3::Picture1_Click()
{
    paintchart2();
}

void Tintra3::Picture1_Resize()
{
    Picture1->clear();
    Picture1->printLine(u"Fade Chart"_s);
}

void Tintra3::Picture1_MouseDown(QPointF twips)
{
    DragX = float(twips.x());
    DragY = float(twips.y());
}

// The chart moves with the window, so the point grabbed stays under the pointer.
void Tintra3::Picture1_MouseMove(QPointF twips, Qt::MouseButtons buttons)
{
    if (!buttons.testFlag(Qt::LeftButton))
        return;
    const double dpi = LogicalDpi(*this);
    const double left = PixelsToTwips(x(), dpi) + twips.x() - DragX;
    const double top = PixelsToTwips(y(), dpi) + twips.y() - DragY;
    move(TwipsToPixels(left, dpi), TwipsToPixels(top, dpi));
}
