#include "chat/TintaAOL.h"

#include "chat/ChatSender.h"
#include "chat/DesktopChatSender.h"
#include "engine/EliteText.h"
#include "engine/FadeChart.h"
#include "engine/FadeGenerator.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/GradientBackground.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowMotion.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr QRectF ClientArea(0, 0, 9990, 1335);

const QStringList FadeList {
    u"Normal Fade"_s, u"Rainbow"_s,    u"Randomize"_s, u"Repeater"_s, u"TTinta"_s,
    u"DUDadodov"_s,   u"TCRepeater"_s, u"TWMystery"_s, u"No Fade"_s,
};

// The third swatch shows this grey while the fade type leaves colour 3 out.
constexpr ColorValue UnusedColor = RGB(150, 150, 150);
constexpr ColorValue White = RGB(255, 255, 255);
constexpr ColorValue Black = RGB(0, 0, 0);

QFont controlFont(const QString &family, bool bold)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QCheckBox *option(QWidget *window, const QString &name, const QRectF &twips, const QString &caption)
{
    auto *box = PlaceControl<QCheckBox>(*window, name, twips, caption);
    box->setFont(controlFont(u"Comic Sans MS"_s, true));
    // Buttons fill with the button colour unless told otherwise.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    SetPaletteColor(*box, QPalette::Window, Black);
    SetPaletteColor(*box, QPalette::WindowText, White);
    return box;
}

QFrame *swatch(QWidget *window, const QString &name, const QRectF &twips, ColorValue color)
{
    auto *box = PlaceControl<QFrame>(*window, name, twips);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAutoFillBackground(true);
    SetPaletteColor(*box, QPalette::Window, color);
    return box;
}

bool usesThirdColour(int fadeMode)
{
    return fadeMode == FadeMode::TTintra || fadeMode == FadeMode::DUDadodov ||
        fadeMode == FadeMode::TCRepeater;
}

ChartPattern chartPattern(qint16 threeColourChart, int fadeMode)
{
    if (threeColourChart == 1)
        return ChartPattern::ThreeColors;
    if (fadeMode == FadeMode::Repeater)
        return ChartPattern::Repeater;
    if (fadeMode == FadeMode::TCRepeater)
        return ChartPattern::TCRepeater;
    return ChartPattern::TwoColors;
}

} // namespace

TintaAOL::TintaAOL(Services &services, const QStringList &mainWindowFontNames, QWidget *parent)
    : TintaAOL(services, mainWindowFontNames, MakeDesktopChatSender(), parent)
{ }

TintaAOL::TintaAOL(Services &services, const QStringList &mainWindowFontNames,
                   std::unique_ptr<ChatSender> chatSender, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
    , m_chatSender(std::move(chatSender))
{
    setObjectName(u"TintaAOL"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"AOL4 Razod Ozura"_s);
    // Nothing in the window follows a change of its size.
    setFixedSize(TwipsToPixels(ClientArea, LogicalDpi(*this)).size());
    createControls();
    connectControls();
    Form_Load(mainWindowFontNames);
}

TintaAOL::~TintaAOL() = default;

void TintaAOL::createControls()
{
    // Creation order is tab order.
    createMessageColumn();
    createOptions();
    createColorPickers();
    Text1 = PlaceControl<QLineEdit>(*this, u"Text1"_s, {4200, 1800, 1215, 495}, u"Text1"_s);
    // It lies below the window's edge, out of sight, so it must not take the typing either.
    Text1->setFocusPolicy(Qt::NoFocus);
}

void TintaAOL::createMessageColumn()
{
    Text7 = PlaceControl<QPlainTextEdit>(*this, u"Text7"_s, {120, 120, 1935, 1095});
    Text7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text7->setFont(controlFont(u"Arial"_s, false));
    Text7->setPlainText(u"Your text 2 send here\n"_s);

    Label1 = PlaceControl<QLabel>(*this, u"Label1"_s, {2160, 120, 1335, 255}, u"Fade Options:"_s);
    Label1->setFont(controlFont(u"Comic Sans MS"_s, true));
    SetPaletteColor(*Label1, QPalette::WindowText, White);

    Combo1 = PlaceControl<QComboBox>(*this, u"Combo1"_s, {2160, 480, 1335, 300});
    Combo1->setFont(controlFont(u"Arial Rounded MT Bold"_s, true));

    Command1 =
        PlaceControl<QPushButton>(*this, u"Command1"_s, {2160, 960, 1335, 255}, u"Send Text!"_s);
    Command1->setFont(controlFont(u"Comic Sans MS"_s, true));
}

void TintaAOL::createOptions()
{
    Check1 = option(this, u"Check1"_s, {3600, 120, 1335, 255}, u"Waving"_s);
    Check2 = option(this, u"Check2"_s, {3600, 360, 1335, 255}, u"Bold Text"_s);
    Check3 = option(this, u"Check3"_s, {3600, 600, 1335, 255}, u"Elite Text"_s);

    Combo2 = PlaceControl<QComboBox>(*this, u"Combo2"_s, {3600, 930, 1335, 300});
    Combo2->setFont(controlFont(u"Arial Rounded MT Bold"_s, true));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setEditText(u"No Font"_s);
}

// Three colours side by side, each three bars (red, green, blue) and a swatch to their right.
void TintaAOL::createColorPickers()
{
    struct Picker
    {
        double left;
        double barWidth;
        const char16_t *swatchName;
        double swatchLeft;
        Rgb initial;
    };
    static const std::array<Picker, 3> pickers {
        Picker {5040, 975, u"Picture1", 6120, {255, 0, 0}},
        Picker {6600, 1095, u"Picture2", 7800, {0, 0, 255}},
        Picker {8280, 1095, u"Picture4", 9480, {0, 255, 0}},
    };
    for (int colour = 0; colour < 3; ++colour) {
        const Picker &picker = pickers[colour];
        const std::array<int, 3> values {picker.initial.red, picker.initial.green,
                                         picker.initial.blue};
        for (int channel = 0; channel < 3; ++channel) {
            const int bar = 3 * colour + channel;
            HScroll[bar] = PlaceColorBar(*this, u"HScroll%1"_s.arg(bar + 1),
                                         {picker.left, 120.0 + 240 * channel, picker.barWidth, 255},
                                         values[channel]);
        }
        Swatch[colour] = swatch(this, QString::fromUtf16(picker.swatchName),
                                {picker.swatchLeft, 120, 375, 735}, RGB(picker.initial));
    }
    Picture3 = PlaceControl<PictureBox>(*this, u"Picture3"_s, {5040, 960, 4815, 255});
}

void TintaAOL::connectControls()
{
    connect(Command1, &QPushButton::clicked, this, &TintaAOL::Command1_Click);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &TintaAOL::Combo1_Click);
    // A bar changes while its thumb is dragged as well, so swatch and chart follow the thumb.
    for (int bar = 1; bar <= 9; ++bar)
        connect(HScroll[bar - 1], &QScrollBar::valueChanged, this,
                [this, bar] { HScroll_Change(bar); });
    for (QObject *control : std::initializer_list<QObject *> {Text7, Combo1, Combo1->view()})
        control->installEventFilter(this);
}

void TintaAOL::Form_Load(const QStringList &mainWindowFontNames)
{
    GradientSettings &gradient = SharedGradientSettings();
    gradient.GradientStart = RGB(0, 190, 180);
    gradient.GradientEnd = 0;
    PrepareGradient();
    PaintGradient(*this);
    StayOnTop(*this);

    PlaceAboveScreen(*this);
    CentreHorizontally(*this);
    ThreeColourChart = 1;
    {
        // Filling the list is no choice of the user's; choosing "TTinta" is.
        const QSignalBlocker quiet(Combo1);
        Combo1->addItems(FadeList);
    }
    Combo1->setCurrentIndex(FadeMode::TTintra);
    paintchart();
    show();
    // The window frame's size is known only once the window is shown.
    PlaceAboveScreen(*this);
    CentreHorizontally(*this);
    SlideInToBottom(*this);

    Combo2->addItems(mainWindowFontNames.mid(1));
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(u"No Font"_s);
}

void TintaAOL::Form_Unload()
{
    SlideOut(*this);
    hide();
    ReturnMainWindow(m_services);
}

void TintaAOL::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

bool TintaAOL::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (watched == Text7)
        return Text7_KeyPress(key);
    // The fade list is only chosen from: typed characters are dropped, while the arrow keys,
    // Enter and Escape keep working.
    return !key.text().isEmpty() && key.text().front().isPrint();
}

bool TintaAOL::Text7_KeyPress(const QKeyEvent &event)
{
    constexpr Qt::KeyboardModifiers shortcuts =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!Check3->isChecked() || event.text().size() != 1 || (event.modifiers() & shortcuts))
        return false;
    const QChar typed = event.text().front();
    const QChar substitute = EliteSubstitute(typed);
    if (substitute == typed)
        return false;
    Text7->insertPlainText(QString(substitute));
    return true;
}

void TintaAOL::Combo1_Click()
{
    const int fadeMode = Combo1->currentIndex();
    const bool threeColours = usesThirdColour(fadeMode);
    ThreeColourChart = threeColours && fadeMode != FadeMode::TCRepeater ? 1 : 0;
    for (int bar = 6; bar < 9; ++bar)
        HScroll[bar]->setEnabled(threeColours);
    SetPaletteColor(*Swatch[2], QPalette::Window, threeColours ? RGB(color(3)) : UnusedColor);
    paintchart();
}

void TintaAOL::HScroll_Change(int bar)
{
    const int which = (bar - 1) / 3 + 1;
    // The white guard may change colour 3 while it is out of use; its swatch stays grey.
    const bool inUse = which < 3 || HScroll[6]->isEnabled();
    SetPaletteColor(*Swatch[which - 1], QPalette::Window, inUse ? RGB(color(which)) : UnusedColor);
    paintchart();
}

void TintaAOL::paintchart()
{
    const std::array<ColorValue, ChartBandCount> bands =
        FadeChartColors(chartPattern(ThreeColourChart, Combo1->currentIndex()),
                        ChartPrecision::Double, *this, m_segmentState);
    const double bandWidth = Picture3->scaleWidth() / ChartBandCount;
    const double height = Picture3->scaleHeight();
    double left = 0;
    for (const ColorValue band : bands) {
        Picture3->fillBox({left, 0}, {left + bandWidth, height}, band);
        left += bandWidth;
    }
}

QString TintaAOL::chosenFontFace() const
{
    // A name typed into the box is not chosen: only a picked entry counts, and with none
    // picked the face is empty.
    const int index = Combo2->currentIndex();
    return index >= 0 ? Combo2->itemText(index) : QString();
}

void TintaAOL::Command1_Click()
{
    FadeRequest request;
    request.message = Text7->toPlainText().replace(u'\n', u"\r\n"_s);
    request.options.fontFace = chosenFontFace();
    request.options.bold = Check2->isChecked();
    request.options.waving = Check1->isChecked();
    request.fadeMode = Combo1->currentIndex();
    request.dialect = MarkupDialect::ChatLine;
    const FadeResult result = GenerateFade(request, *this, m_segmentState, m_services.random);
    if (result.notice)
        m_services.dialogs.messageBox(this, *result.notice);
    if (result.lastColor)
        SetPaletteColor(*Text1, QPalette::Base, *result.lastColor);
    if (result.status == FadeResult::Status::Done && result.output)
        m_chatSender->send(result.output->toStdString());
}

Rgb TintaAOL::color(int which) const
{
    const int first = 3 * (which - 1);
    return {HScroll[first]->value(), HScroll[first + 1]->value(), HScroll[first + 2]->value()};
}

void TintaAOL::setChannel(int bar, int value)
{
    HScroll[bar - 1]->setValue(value);
}

QString TintaAOL::askCount(const QString &, const QString &, const QString &)
{
    // A chat line's segments have a fixed length, so it never asks for one.
    return {};
}
