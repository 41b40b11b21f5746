#include "forms/main/Tintra3.h"

#include "chat/TintaAOL.h"
#include "engine/FadeGenerator.h"
#include "engine/LineBreaks.h"
#include "engine/RandomSource.h"
#include "engine/StopsFit.h"
#include "forms/main/BudgetCountLabel.h"
#include "forms/main/OutputFormatMenu.h"
#include "forms/main/PresetsMenu.h"
#include "forms/main/StopsEditor.h"
#include "forms/preview/PreviewNotices.h"
#include "forms/preview/ViewHtmlFade.h"
#include "panel/ChoiceList.h"
#include "panel/ColorBars.h"
#include "panel/CtrlReturnShortcut.h"
#include "panel/EliteTyping.h"
#include "panel/FaderPanel.h"
#include "panel/ReadableText.h"
#include "panel/TabMovesFocus.h"
#include "winhelpers/ControlLayout.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/Pause.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/TextBox.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowLoad.h"
#include "winhelpers/WindowMotion.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;

namespace {

constexpr QRectF ClientArea(0, 0, 7830, 3990);

// The farewell shows ten gradients, each for this many seconds.
constexpr double FarewellStep = 0.1;

const std::array<QString, 3> ChannelNames {u"Red: "_s, u"Green: "_s, u"Blue: "_s};

// Each colour's box follows its three bars; the hidden Text1 is left out.
const QStringList TabOrder {
    u"Text7"_s,    u"Text10"_s,   u"Command3"_s, u"Command4"_s, u"Command5"_s,
    u"Command2"_s, u"Command6"_s, u"Command1"_s, u"Command7"_s, u"HScroll1"_s,
    u"HScroll2"_s, u"HScroll3"_s, u"Text2"_s,    u"HScroll4"_s, u"HScroll5"_s,
    u"HScroll6"_s, u"Text3"_s,    u"HScroll7"_s, u"HScroll8"_s, u"HScroll9"_s,
    u"Text4"_s,    u"Combo3"_s,   u"Combo2"_s,   u"Combo1"_s,   u"Picture1"_s,
};

const QStringList FadeList {
    u"Normal Fade"_s,  u"Rainbow Fade"_s,   u"Randomize Fade"_s,  u"Repeater Fade"_s,
    u"TTintra Fade"_s, u"DUDadodov Fade"_s, u"TCRepeater Fade"_s, u"TWMystery Fade"_s,
    u"No Fade"_s,      u"Stops Fade"_s,
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

QPlainTextEdit *textArea(QWidget &window, const QString &name, const QRectF &twips,
                         const QString &accessibleName)
{
    auto *box = PlaceControl<TextBox>(window, name, twips);
    box->setAccessibleName(accessibleName);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    new TabMovesFocus(*box);
    return box;
}

QLabel *whiteLabel(QWidget &window, const QString &name, const QRectF &twips,
                   const QString &caption)
{
    auto *label = PlaceControl<QLabel>(window, name, twips, caption);
    label->setAlignment(Qt::AlignCenter);
    SetPaletteColor(*label, QPalette::WindowText, RGB(255, 255, 255));
    return label;
}

// The colour's hex text on its background, in black or white, whichever reads better.
void showColor(QLineEdit &box, ColorValue background, ColorValue color)
{
    SetPaletteColors(
        box, {{QPalette::Base, background}, {QPalette::Text, ReadableTextColor(background)}});
    box.setText(HColor1(color));
}

QStringList entries(const QComboBox &list)
{
    QStringList texts;
    for (int index = 0; index < list.count(); ++index)
        texts.append(list.itemText(index));
    return texts;
}

// Tab and Shift+Tab move the focus on, as they do from any control.
bool typesCharacter(const QKeyEvent &key)
{
    return !key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
}

QString selectedText(const QPlainTextEdit &box)
{
    return box.textCursor().selection().toPlainText();
}

} // namespace

Tintra3::Tintra3(Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(u"Tintra3"_s);
    resize(TwipsToPixels(ClientArea, LogicalDpi(*this)).size());
    setFont(boldFont(u"Comic Sans MS"_s));
    createTextBoxes();
    createCommands();
    createColorPickers();
    createLists();
    connectChart();
    createOptionsMenu();
    createFormatMenu();
    new PresetsMenu(
        *m_optionsMenu, *this, m_services.dialogs, PresetStore(),
        [this] { return currentPreset(); }, [this](const Preset &preset) { applyPreset(preset); });
    m_optionsMenu->addAction(u"Take Colours from Markup"_s, this, &Tintra3::TakeColors_Click)
        ->setObjectName(u"TakeColors"_s);
    orderTabStops();
    Form_Load();
}

QComboBox &Tintra3::fontNameList() const
{
    return *m_fontNames;
}

QComboBox &Tintra3::fontSizeList() const
{
    return *m_fontSizes;
}

void Tintra3::createTextBoxes()
{
    m_lastColor = PlaceControl<QLineEdit>(*this, u"Text1"_s, {120, 4680, 1815, 375});
    // It holds the last fade colour out of sight below the client area; hidden, neither Tab
    // coming round nor assistive technology meets it, and the focus goes on to the message box.
    m_lastColor->hide();
    m_message = textArea(*this, u"Text7"_s, {120, 120, 3735, 1815}, u"Message"_s);
    m_message->setAccessibleDescription(u"Ctrl+Return presses Generate Fade"_s);
    m_output = textArea(*this, u"Text10"_s, {3960, 120, 3735, 1815}, u"Fade markup"_s);
    m_output->setPlainText(u"This is the output box\n"_s);
    // On the box's lower right corner, clear of its scroll bar.
    m_budgetCount = PlaceControl<BudgetCountLabel>(*this, u"BudgetCount"_s, {6600, 1695, 855, 225});
    for (QWidget *control : std::initializer_list<QWidget *> {m_lastColor, m_message->viewport(),
                                                              m_output->viewport()})
        control->installEventFilter(this);
}

void Tintra3::createCommands()
{
    const auto command = [this](const QString &name, const QRectF &twips, const QString &caption,
                                void (Tintra3::*handler)(), const QString &toolTip) {
        auto *button = PlaceControl<QPushButton>(*this, name, twips, caption);
        button->setToolTip(toolTip);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    command(u"Command3"_s, {120, 2040, 1185, 255}, u"CUT"_s, &Tintra3::Command3_Click,
            u"Cut the selection of the message box, or else of the output box"_s);
    command(u"Command4"_s, {1395, 2040, 1185, 255}, u"COPY"_s, &Tintra3::Command4_Click,
            u"Copy the selection of the message box, or else of the output box"_s);
    command(u"Command5"_s, {2670, 2040, 1185, 255}, u"PASTE"_s, &Tintra3::Command5_Click,
            u"Paste into the box clicked last, at first the output box"_s);
    command(u"Command2"_s, {3960, 2040, 1815, 255}, u"AOL4 Chat Talker"_s, &Tintra3::Command2_Click,
            u"Swap this window for the chat window"_s);
    command(u"Command6"_s, {5880, 2040, 1815, 255}, u"View HTML Fade"_s, &Tintra3::Command6_Click,
            u"Show the output box's markup in the preview window (Escape closes it)"_s);
    QPushButton *generate = command(
        u"Command1"_s, {5880, 2400, 1815, 375}, u"Generate Fade"_s, &Tintra3::Command1_Click,
        u"Fade the message into the output box (Ctrl+Return in the message box)"_s);
    new CtrlReturnShortcut(*m_message, *generate);
    m_optionsButton = command(
        u"Command7"_s, {5880, 2880, 1815, 255}, u"Tintra 4.0 Options"_s, &Tintra3::Command7_Click,
        u"Bold, italics, underline, waving, elite text, stay on top (Escape closes the menu)"_s);
}

// Three colours side by side: per channel a read-out label left of its bar, and below the
// three bars the colour box; the fade chart at the bottom right.
void Tintra3::createColorPickers()
{
    constexpr std::array<int, 9> labelNumbers {1, 2, 3, 4, 5, 6, 7, 8, 10};
    std::array<QRectF, 9> barPlaces;
    for (int bar = 0; bar < 9; ++bar) {
        const double left = 120 + 1920 * (bar / 3);
        const double top = 2400 + 240 * (bar % 3);
        m_channelLabels[bar] = whiteLabel(*this, u"Label%1"_s.arg(labelNumbers[bar]),
                                          {left, top, 975, 255}, QString());
        barPlaces[bar] = {left + 960, top, 855, 255};
    }
    m_chart = PlaceControl<PictureBox>(*this, u"Picture1"_s, {4920, 3600, 2775, 285});
    m_panel = new FaderPanel(*this, m_services, barPlaces, *m_chart, ChartPrecision::Single,
                             *m_lastColor);
    for (int which = 1; which <= 3; ++which) {
        QLineEdit *box = PlaceControl<QLineEdit>(*this, u"Text%1"_s.arg(which + 1),
                                                 {120.0 + 1920 * (which - 1), 3240, 1815, 285});
        box->setAccessibleName(u"Colour %1"_s.arg(which));
        box->setAlignment(Qt::AlignCenter);
        box->setFont(boldFont(u"Arial"_s));
        box->installEventFilter(this);
        m_panel->colorBars().chooseOnDoubleClick(*box, which, m_services.dialogs);
        m_colorBoxes[which - 1] = box;
        HScroll_Change(which);
    }
    connect(&m_panel->colorBars(), &ColorBars::changed, this, &Tintra3::HScroll_Change);
    connect(m_panel, &FaderPanel::fading, this, &Tintra3::showProgress);
}

void Tintra3::createLists()
{
    m_fadeList = PlaceControl<ChoiceList>(*this, u"Combo3"_s, {5880, 3240, 1815, 300});
    m_fadeList->describe(u"Fade type"_s, u"How the colours run through the message"_s);
    QLabel *fontsLabel =
        whiteLabel(*this, u"Label9"_s, {120, 3600, 1935, 255}, u"The Fonts Size/Name:"_s);
    m_fontSizes = PlaceControl<ChoiceList>(*this, u"Combo2"_s, {2160, 3600, 630, 300});
    m_fontSizes->describe(u"Font size"_s, u"The size of the fade's font, from 1 to 7"_s);
    fontsLabel->setBuddy(m_fontSizes);
    m_fontNames = PlaceControl<ChoiceList>(*this, u"Combo1"_s, {2880, 3600, 1935, 300});
    m_fontNames->makeEditable();
    m_fontNames->describe(u"Font name"_s, u"The fade's font face: choose one or type a name"_s);
    const QFont listFont = boldFont(u"Arial Rounded MT Bold"_s);
    for (QComboBox *list : {m_fontNames, m_fontSizes, m_fadeList})
        list->setFont(listFont);
    // Wired before the load fills the list, so that selecting its first entry runs it.
    connect(m_fadeList, &QComboBox::currentIndexChanged, this, &Tintra3::Combo3_Click);
    connect(m_fadeList, &QComboBox::activated, this, &Tintra3::Combo3_Chosen);
}

void Tintra3::connectChart()
{
    connect(m_chart, &PictureBox::clicked, this, &Tintra3::Picture1_Click);
    connect(m_chart, &PictureBox::resized, this, &Tintra3::Picture1_Resize);
    connect(m_chart, &PictureBox::doubleClicked, this, &Tintra3::Picture1_DblClick);
    connect(m_chart, &PictureBox::pressed, this, &Tintra3::Picture1_MouseDown);
    connect(m_chart, &PictureBox::moved, this, &Tintra3::Picture1_MouseMove);
}

void Tintra3::createOptionsMenu()
{
    m_optionsMenu = new QMenu(u"Tintra4"_s, this);
    m_optionsMenu->setObjectName(u"Tintra4"_s);
    m_optionsMenu->setAccessibleName(u"Tintra 4.0 Options"_s);
    m_optionsMenu->setFont(QFont());
    const auto item = [this](const QString &name, const QString &caption) {
        QAction *action = m_optionsMenu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        return action;
    };
    m_bold = item(u"Bold"_s, u"Bold"_s);
    m_italics = item(u"Italics"_s, u"Italics"_s);
    m_underline = item(u"Underline"_s, u"Underline"_s);
    m_waving = item(u"Waving"_s, u"Waving"_s);
    m_elite = item(u"Elite"_s, u"Elite Text"_s);
    m_stayOnTop = item(u"StayT"_s, u"Form Stay On Top"_s);
    connect(m_elite, &QAction::toggled, new EliteTyping(*m_message), &EliteTyping::setOn);
    connect(m_stayOnTop, &QAction::triggered, this, &Tintra3::StayT_Click);
}

// What Generate writes, grouped by where it goes.
void Tintra3::createFormatMenu()
{
    m_formats = new OutputFormatMenu(m_optionsMenu);
    m_optionsMenu->addMenu(m_formats);
}

void Tintra3::orderTabStops()
{
    for (qsizetype stop = 1; stop < TabOrder.size(); ++stop)
        setTabOrder(findChild<QWidget *>(TabOrder[stop - 1]), findChild<QWidget *>(TabOrder[stop]));
}

void Tintra3::Form_Load()
{
    SaveLayout(*this);
    setMinimumSize(SmallestSizeShowing(*this, captions()));
    m_fadeList->addItems(FadeList);
    m_fadeList->setCurrentIndex(FadeMode::Normal);
    ShowLoadedWindow(*this, RGB(0, 190, 180), Arrival::AboveScreen);
    setWindowTitle(u"DUV or QY's HTML Razod Ozura 4.0"_s);
    m_message->setPlainText(u"Your message here"_s);
    Picture1_Click();
    m_message->setFocus();
}

// Every caption, the colour read-outs at their widest.
QList<ControlText> Tintra3::captions() const
{
    QList<ControlText> texts;
    for (const QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (const auto *button = qobject_cast<const QPushButton *>(control))
            texts.append({button, button->text()});
        else if (const auto *label = qobject_cast<const QLabel *>(control))
            texts.append({label, label->text()});
    }
    for (int bar = 0; bar < 9; ++bar)
        texts.append({m_channelLabels[bar], ChannelNames[bar % 3] + u"255"_s});
    return texts;
}

void Tintra3::Form_Resize()
{
    ApplyLayout(*this);
    if (isMinimized() && m_stayOnTop->isChecked())
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
        Pause(FarewellStep, m_services.clock);
    }
    RestoreAndSlideOut(*this);
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
        return typesCharacter(*static_cast<const QKeyEvent *>(event)) && forwardTyping(watched);
    case QEvent::MouseButtonRelease:
        followClick(watched);
        return false;
    default:
        return false;
    }
}

// A key that types a character into the hidden box or a colour box sends the typing on to the
// message box; a colour box shows a space for it, and its colour stays.
bool Tintra3::forwardTyping(QObject *control)
{
    const auto box = std::ranges::find(m_colorBoxes, control);
    if (box != m_colorBoxes.end())
        (*box)->insert(u" "_s);
    else if (control != m_lastColor)
        return false;
    m_message->setFocus();
    return true;
}

// A click into a big box makes it where PASTE goes; one on a colour box or the hidden box sends
// the focus back to the message box.
void Tintra3::followClick(QObject *control)
{
    if (control == m_message->viewport())
        m_pasteTo = PasteTarget::MessageBox;
    else if (control == m_output->viewport())
        m_pasteTo = PasteTarget::OutputBox;
    else
        m_message->setFocus();
}

void Tintra3::Command1_Click()
{
    FadeRequest request;
    request.message = WithCrLfBreaks(m_message->toPlainText());
    // The font name is what the box shows, chosen or typed.
    request.options = {m_fontNames->currentText(), m_fontSizes->currentText(),
                       m_bold->isChecked(),        m_italics->isChecked(),
                       m_underline->isChecked(),   m_waving->isChecked()};
    request.fadeMode = m_fadeList->currentIndex();
    request.format = m_formats->chosen();
    request.budget = TargetBudget(request.format);
    request.keepColors = RichFadeCopy::takes(request.format);
    request.space = m_space;
    if (const std::optional<QString> output = m_panel->fade(request)) {
        m_output->setPlainText(WithLineFeeds(*output));
        m_outputFormat = request.format;
        m_richCopy.remember(request, m_panel->lastFade(), m_output->toPlainText());
        m_budgetCount->showCount(m_panel->lastFade());
    }
}

Preset Tintra3::currentPreset() const
{
    const int mode = m_fadeList->currentIndex();
    const ColorBars &bars = m_panel->colorBars();
    return {{},
            mode,
            mode == FadeMode::Stops ? m_panel->stops()
                                    : QList<Rgb> {bars.color(1), bars.color(2), bars.color(3)},
            m_panel->count(),
            {m_fontNames->currentText(), m_fontSizes->currentText(), m_bold->isChecked(),
             m_italics->isChecked(), m_underline->isChecked(), m_waving->isChecked()},
            m_formats->chosen(),
            m_space};
}

// A face or size left empty keeps the one chosen; a format the menu does not offer keeps the
// one checked.
void Tintra3::applyPreset(const Preset &preset)
{
    m_fadeList->setCurrentIndex(preset.fadeMode);
    m_panel->setStops(preset.colors);
    m_panel->setCount(preset.count);
    m_bold->setChecked(preset.options.bold);
    m_italics->setChecked(preset.options.italic);
    m_underline->setChecked(preset.options.underline);
    m_waving->setChecked(preset.options.waving);
    if (!preset.options.fontFace.isEmpty())
        m_fontNames->setCurrentText(preset.options.fontFace);
    if (!preset.options.fontSize.isEmpty())
        m_fontSizes->setCurrentText(preset.options.fontSize);
    m_formats->choose(preset.format);
    m_space = preset.space;
}

// This window comes back when the chat window closes.
void Tintra3::Command2_Click()
{
    RestoreAndSlideOut(*this);
    if (m_chatWindow) {
        m_chatWindow->show();
        return;
    }
    m_chatWindow = new TintaAOL(m_services, entries(*m_fontNames), this);
    connect(m_chatWindow, &TintaAOL::closed, this, [this] { ReturnMainWindow(*this); });
}

QPlainTextEdit &Tintra3::selectionSource() const
{
    return m_message->textCursor().hasSelection() ? *m_message : *m_output;
}

bool Tintra3::outputHoldsHtml() const
{
    return m_outputFormat == OutputFormat::Page || m_outputFormat == OutputFormat::Html;
}

// The selection as text and, from an output box that holds HTML or RTF, in the rich formats too,
// so that a rich editor pastes the colours. With nothing selected the clipboard keeps what it
// holds.
bool Tintra3::copySelection(const QPlainTextEdit &box) const
{
    if (!box.textCursor().hasSelection())
        return false;
    std::unique_ptr<QMimeData> mimeData;
    if (&box == m_output) {
        mimeData = m_richCopy.mimeData(selectedText(box), m_output->toPlainText());
    } else {
        mimeData = std::make_unique<QMimeData>();
        mimeData->setText(selectedText(box));
    }
    QGuiApplication::clipboard()->setMimeData(mimeData.release());
    return true;
}

void Tintra3::Command3_Click()
{
    QPlainTextEdit &box = selectionSource();
    if (!copySelection(box))
        return;
    QTextCursor cursor = box.textCursor();
    cursor.removeSelectedText();
    box.setTextCursor(cursor);
}

void Tintra3::Command4_Click()
{
    copySelection(selectionSource());
}

void Tintra3::Command5_Click()
{
    QPlainTextEdit &box = m_pasteTo == PasteTarget::MessageBox ? *m_message : *m_output;
    box.paste();
}

void Tintra3::Command6_Click()
{
    if (!outputHoldsHtml()) {
        m_services.dialogs.messageBox(this, NotHtmlNotice());
        return;
    }
    ViewHtmlFade(*this, m_output->toPlainText(), m_services, m_stayOnTop->isChecked(),
                 PreviewFile(m_services.previewFolder));
}

void Tintra3::Command7_Click()
{
    const QPoint centre(m_optionsButton->x() + m_optionsButton->width() / 2,
                        m_optionsButton->y() + m_optionsButton->height() / 2);
    m_optionsMenu->popup(mapToGlobal(centre));
}

// The clipboard's markup, else the output box's, becomes the message and the fewest stops that
// give its letters their colours: two as Normal Fade, three as TTintra Fade.
void Tintra3::TakeColors_Click()
{
    std::optional<ColoredMessage> colored =
        ReadColoredMessage(QGuiApplication::clipboard()->text(), std::nullopt);
    if (!colored)
        colored = ReadColoredMessage(m_output->toPlainText(), std::nullopt);
    const std::optional<QList<Rgb>> stops = colored ? FitStops(*colored) : std::nullopt;
    if (!stops) {
        m_services.dialogs.messageBox(
            this,
            {colored ? u"These colours make no gradient of 2 to 10 stops."_s
                     : u"Neither the clipboard nor the output box holds coloured letters."_s,
             NoticeIcon::Critical, u"Take Colours from Markup"_s});
        return;
    }
    const int mode = stops->size() == 2 ? FadeMode::Normal
        : stops->size() == 3            ? FadeMode::TTintra
                                        : FadeMode::Stops;
    m_space = ColorSpace::Srgb;
    m_fadeList->setCurrentIndex(mode);
    m_panel->setStops(*stops);
    m_message->setPlainText(colored->message.replace(u"\r\n"_s, u"\n"_s));
}

void Tintra3::StayT_Click(bool checked)
{
    StayOnTop(*this, checked);
}

void Tintra3::showProgress()
{
    m_output->setPlainText(u"Generating fade..."_s);
    Pause(Moment, m_services.clock);
}

// The labels and the box of the colour follow its bars; the chart follows by itself.
void Tintra3::HScroll_Change(int which)
{
    const ColorBars &bars = m_panel->colorBars();
    const Rgb rgb = bars.color(which);
    const std::array<int, 3> values {rgb.red, rgb.green, rgb.blue};
    for (int channel = 0; channel < 3; ++channel)
        m_channelLabels[3 * (which - 1) + channel]->setText(ChannelNames[channel] +
                                                            QString::number(values[channel]));
    QLineEdit &box = *m_colorBoxes[which - 1];
    showColor(box, bars.shownColor(which), RGB(rgb));
    box.setAccessibleDescription(bars.inUse(which) ? QString()
                                                   : ColorBars::UnusedDescription.toString());
}

void Tintra3::Combo3_Click()
{
    m_panel->setFadeType(m_fadeList->currentIndex(), m_fadeList->currentText());
}

// Choosing Stops Fade by hand opens the stops; a preset or colours taken from markup do not.
void Tintra3::Combo3_Chosen(int index)
{
    if (index == FadeMode::Stops)
        Picture1_DblClick();
}

void Tintra3::Picture1_DblClick()
{
    if (m_fadeList->currentIndex() != FadeMode::Stops)
        return;
    if (!m_stopsEditor)
        m_stopsEditor = new StopsEditor(*m_panel, m_services.dialogs, *this);
    m_stopsEditor->showStops();
}

void Tintra3::Picture1_Click()
{
    m_panel->paintChart();
}

void Tintra3::Picture1_Resize()
{
    m_chart->clear();
    m_chart->printLine(u"Fade Chart"_s);
}

void Tintra3::Picture1_MouseDown(QPointF twips)
{
    m_dragAnchor = twips;
}

// The chart moves with the window, so the point grabbed stays under the pointer.
void Tintra3::Picture1_MouseMove(QPointF twips, Qt::MouseButtons buttons)
{
    if (!buttons.testFlag(Qt::LeftButton))
        return;
    const double dpi = LogicalDpi(*this);
    const double left = PixelsToTwips(x(), dpi) + twips.x() - m_dragAnchor.x();
    const double top = PixelsToTwips(y(), dpi) + twips.y() - m_dragAnchor.y();
    move(TwipsToPixels(left, dpi), TwipsToPixels(top, dpi));
}
