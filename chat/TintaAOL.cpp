#include "chat/TintaAOL.h"

#include "chat/ChatSender.h"
#include "chat/ChatStatusLine.h"
#include "chat/DesktopChatSender.h"
#include "chat/IrcChannelSender.h"
#include "chat/IrcSettingsDialog.h"
#include "chat/KeychainSecretStore.h"
#include "engine/FadeGenerator.h"
#include "engine/LineBreaks.h"
#include "panel/ChoiceList.h"
#include "panel/ColorBars.h"
#include "panel/CtrlReturnShortcut.h"
#include "panel/EliteTyping.h"
#include "panel/FaderPanel.h"
#include "panel/FocusRingStyle.h"
#include "panel/TabMovesFocus.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/PictureBox.h"
#include "winhelpers/Services.h"
#include "winhelpers/TextBox.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowLoad.h"
#include "winhelpers/WindowMotion.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The row of where the lines go runs below the window's first 1335 twips.
constexpr QRectF ClientArea(0, 0, 9990, 1725);

const QStringList FadeList {
    u"Normal Fade"_s, u"Rainbow"_s,    u"Randomize"_s, u"Repeater"_s, u"TTinta"_s,
    u"DUDadodov"_s,   u"TCRepeater"_s, u"TWMystery"_s, u"No Fade"_s,
};

constexpr ColorValue White = RGB(255, 255, 255);
constexpr ColorValue Black = RGB(0, 0, 0);

QFont controlFont(const QString &family, bool bold)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QCheckBox *option(QWidget &window, const QString &name, const QRectF &twips, const QString &caption,
                  const QString &toolTip)
{
    auto *box = PlaceControl<QCheckBox>(window, name, twips, caption);
    box->setToolTip(toolTip);
    box->setFont(controlFont(u"Comic Sans MS"_s, true));
    // Buttons fill with the button colour unless told otherwise.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    SetPaletteColor(*box, QPalette::Window, Black);
    SetPaletteColor(*box, QPalette::WindowText, White);
    return box;
}

} // namespace

TintaAOL::TintaAOL(Services &services, const QStringList &mainWindowFontNames, QWidget *parent)
    : TintaAOL(services, mainWindowFontNames, MakeDesktopChatSender(), parent)
{ }

TintaAOL::TintaAOL(Services &services, const QStringList &mainWindowFontNames,
                   std::unique_ptr<ChatSender> chatSender, QWidget *parent)
    : TintaAOL(services, mainWindowFontNames, std::move(chatSender), DesktopSecretStore(), parent)
{ }

TintaAOL::TintaAOL(Services &services, const QStringList &mainWindowFontNames,
                   std::unique_ptr<ChatSender> chatSender, SecretStore &secrets, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
    , m_chatSender(std::move(chatSender))
    , m_secrets(secrets)
    , m_settings(LoadChatWindowSettings(ChatWindowSettingsFile()))
{
    setObjectName(u"TintaAOL"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"AOL4 Razod Ozura"_s);
    // Nothing in the window follows a change of its size.
    setFixedSize(TwipsToPixels(ClientArea, LogicalDpi(*this)).size());
    // Creation order is tab order.
    createMessageColumn();
    createOptions();
    m_lastColor = PlaceControl<QLineEdit>(*this, u"Text1"_s, {4200, 1800, 1215, 495}, u"Text1"_s);
    // It lies below the window's edge, out of sight: hidden, it takes no typing, and assistive
    // technology does not offer it either.
    m_lastColor->hide();
    createColorPickers();
    createDestinationRow();
    Form_Load(mainWindowFontNames);
}

TintaAOL::~TintaAOL() = default;

void TintaAOL::createMessageColumn()
{
    m_message = PlaceControl<TextBox>(*this, u"Text7"_s, {120, 120, 1935, 1095});
    m_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_message->setFont(controlFont(u"Arial"_s, false));
    m_message->setPlainText(u"Your text 2 send here\n"_s);
    m_message->setAccessibleName(u"Message"_s);
    m_message->setAccessibleDescription(u"Ctrl+Return presses Send Text!"_s);
    new TabMovesFocus(*m_message);

    auto *heading =
        PlaceControl<QLabel>(*this, u"Label1"_s, {2160, 120, 1335, 255}, u"Fade Options:"_s);
    heading->setFont(controlFont(u"Comic Sans MS"_s, true));
    SetPaletteColor(*heading, QPalette::WindowText, White);

    m_fadeList = PlaceControl<ChoiceList>(*this, u"Combo1"_s, {2160, 480, 1335, 300});
    m_fadeList->setFont(controlFont(u"Arial Rounded MT Bold"_s, true));
    m_fadeList->describe(u"Fade type"_s, u"How the colours run through the line"_s);
    heading->setBuddy(m_fadeList);

    auto *send =
        PlaceControl<QPushButton>(*this, u"Command1"_s, {2160, 960, 1335, 255}, u"Send Text!"_s);
    send->setFont(controlFont(u"Comic Sans MS"_s, true));
    send->setToolTip(
        u"Fade the line and post it into the chat room (Ctrl+Return in the message box)"_s);
    connect(send, &QPushButton::clicked, this, &TintaAOL::Command1_Click);
    new CtrlReturnShortcut(*m_message, *send);
}

void TintaAOL::createOptions()
{
    auto *focusRing = new FocusRingStyle;
    focusRing->setParent(this);
    m_waving = option(*this, u"Check1"_s, {3600, 120, 1335, 255}, u"Waving"_s,
                      u"Raise and lower the letters in turn"_s);
    m_bold = option(*this, u"Check2"_s, {3600, 360, 1335, 255}, u"Bold Text"_s,
                    u"Send the line in bold, in the font picked below"_s);
    m_elite = option(*this, u"Check3"_s, {3600, 600, 1335, 255}, u"Elite Text"_s,
                     u"Type look-alike symbols for letters and digits"_s);
    // On black, the platform's focus frame hardly shows.
    for (QCheckBox *box : {m_waving, m_bold, m_elite})
        box->setStyle(focusRing);
    connect(m_elite, &QCheckBox::toggled, new EliteTyping(*m_message), &EliteTyping::setOn);

    m_fontNames = PlaceControl<ChoiceList>(*this, u"Combo2"_s, {3600, 930, 1335, 300});
    m_fontNames->setFont(controlFont(u"Arial Rounded MT Bold"_s, true));
    m_fontNames->makeEditable();
    m_fontNames->describe(u"Font name"_s, u"The font of a bold line: pick one from the list"_s);
}

// Three colours side by side, each three bars (red, green, blue) and a swatch to their right;
// the fade chart runs below all of them.
void TintaAOL::createColorPickers()
{
    constexpr std::array<double, 3> lefts {5040, 6600, 8280};
    constexpr std::array<double, 3> barWidths {975, 1095, 1095};
    constexpr std::array<double, 3> swatchLefts {6120, 7800, 9480};
    const std::array<QString, 3> swatchNames {u"Picture1"_s, u"Picture2"_s, u"Picture4"_s};
    std::array<QRectF, 9> barPlaces;
    for (int bar = 0; bar < 9; ++bar)
        barPlaces[bar] = {lefts[bar / 3], 120.0 + 240 * (bar % 3), barWidths[bar / 3], 255};
    auto *chart = PlaceControl<PictureBox>(*this, u"Picture3"_s, {5040, 960, 4815, 255});
    m_panel =
        new FaderPanel(*this, m_services, barPlaces, *chart, ChartPrecision::Double, *m_lastColor);
    ColorBars &bars = m_panel->colorBars();
    for (int which = 1; which <= 3; ++which) {
        auto *swatch = PlaceControl<QFrame>(*this, swatchNames[which - 1],
                                            {swatchLefts[which - 1], 120, 375, 735});
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setAutoFillBackground(true);
        swatch->setAccessibleName(u"Colour %1"_s.arg(which));
        bars.chooseOnDoubleClick(*swatch, which, m_services.dialogs);
        m_swatches[which - 1] = swatch;
        HScroll_Change(which);
    }
    connect(&bars, &ColorBars::changed, this, &TintaAOL::HScroll_Change);
    // The chart comes after the swatches, below all of them.
    setTabOrder(findChild<QWidget *>(u"HScroll9"_s), chart);
}

// Below the message, the fade list and the colours: where the lines go, and how they fared.
void TintaAOL::createDestinationRow()
{
    auto *heading = PlaceControl<QLabel>(*this, u"Label2"_s, {120, 1365, 735, 255}, u"Send to:"_s);
    heading->setFont(controlFont(u"Comic Sans MS"_s, true));
    SetPaletteColor(*heading, QPalette::WindowText, White);

    m_destinations = PlaceControl<ChoiceList>(*this, u"Combo3"_s, {855, 1335, 2640, 300});
    m_destinations->setFont(controlFont(u"Arial Rounded MT Bold"_s, true));
    m_destinations->describe(u"Send to"_s, u"Where Send Text! posts the line"_s);
    m_destinations->addItems({u"Chat client under Wine"_s, u"IRC channel"_s});
    m_destinations->setCurrentIndex(int(m_settings.destination));
    heading->setBuddy(m_destinations);
    connect(m_destinations, &QComboBox::currentIndexChanged, this, &TintaAOL::Combo3_Click);

    auto *settings = PlaceControl<QPushButton>(*this, u"Command2"_s, {3600, 1335, 1335, 300},
                                               u"IRC Settings…"_s);
    settings->setFont(controlFont(u"Comic Sans MS"_s, true));
    settings->setToolTip(u"The IRC server, nickname, channel and login"_s);
    connect(settings, &QPushButton::clicked, this, &TintaAOL::Command2_Click);

    m_status = PlaceControl<ChatStatusLine>(*this, u"Text2"_s, {5040, 1335, 4815, 300});
    m_status->setFont(controlFont(u"Arial"_s, false));
}

void TintaAOL::Form_Load(const QStringList &mainWindowFontNames)
{
    StayOnTop(*this);
    // Filling the list is no choice of the user's; choosing "TTinta" is.
    m_fadeList->addItems(FadeList);
    connect(m_fadeList, &QComboBox::currentIndexChanged, this, &TintaAOL::Combo1_Click);
    m_fadeList->setCurrentIndex(FadeMode::TTintra);
    ShowLoadedWindow(*this, RGB(0, 190, 180), Arrival::SlideInToBottom);

    m_fontNames->addItems(mainWindowFontNames.mid(1));
    m_fontNames->setCurrentIndex(-1);
    m_fontNames->setEditText(u"No Font"_s);
}

void TintaAOL::Form_Unload()
{
    SlideOut(*this);
    hide();
    emit closed();
}

void TintaAOL::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void TintaAOL::Combo3_Click()
{
    m_settings.destination = ChatDestination(m_destinations->currentIndex());
    SaveChatWindowSettings(m_settings, ChatWindowSettingsFile());
}

// New settings take effect with the next line, over a new connection. A password typed is told
// to the secret store, which may answer only later: the connection asks for it then.
void TintaAOL::Command2_Click()
{
    // Closing the window while the dialog is open takes the dialog along.
    const QPointer<IrcSettingsDialog> dialog = new IrcSettingsDialog(m_settings, this);
    const bool accepted = m_services.dialogs.form(*dialog) && dialog;
    const QString password = accepted ? dialog->password() : QString();
    if (accepted)
        m_settings = dialog->settings();
    delete dialog.data();
    if (!accepted)
        return;
    SaveChatWindowSettings(m_settings, ChatWindowSettingsFile());
    m_ircSender.reset();
    if (!password.isEmpty() && m_settings.login != IrcLogin::None) {
        m_secrets.write(
            m_settings.passwordKey(), password, [status = QPointer(m_status)](bool kept) {
                if (!kept && status) {
                    status->showProblem(tr(
                        "No secret store kept the IRC password: Tintra keeps it until it ends."));
                }
            });
    }
}

void TintaAOL::Combo1_Click()
{
    m_panel->setFadeType(m_fadeList->currentIndex(), m_fadeList->currentText());
}

// The swatch follows its colour, in sight and in words; the chart follows by itself.
void TintaAOL::HScroll_Change(int which)
{
    const ColorBars &bars = m_panel->colorBars();
    QFrame &swatch = *m_swatches[which - 1];
    SetPaletteColor(swatch, QPalette::Window, bars.shownColor(which));
    swatch.setAccessibleDescription(bars.inUse(which) ? HColor1(RGB(bars.color(which)))
                                                      : ColorBars::UnusedDescription.toString());
}

QString TintaAOL::chosenFontFace() const
{
    // A name typed into the box is not chosen: only a picked entry counts, and with none
    // picked the face is empty.
    const int index = m_fontNames->currentIndex();
    return index >= 0 ? m_fontNames->itemText(index) : QString();
}

void TintaAOL::Command1_Click()
{
    FadeRequest request;
    request.message = WithCrLfBreaks(m_message->toPlainText());
    request.options.fontFace = chosenFontFace();
    request.options.bold = m_bold->isChecked();
    request.options.waving = m_waving->isChecked();
    request.fadeMode = m_fadeList->currentIndex();
    const bool irc = m_settings.destination == ChatDestination::IrcChannel;
    request.format = irc ? OutputFormat::Irc : OutputFormat::ChatLine;
    request.chatWindow = true;
    if (const std::optional<QString> line = m_panel->fade(request))
        destinationSender().send(line->toStdString());
}

ChatSender &TintaAOL::destinationSender()
{
    if (m_settings.destination == ChatDestination::WineClient)
        return *m_chatSender;
    if (!m_ircSender) {
        m_ircSender =
            std::make_unique<IrcChannelSender>(m_settings, m_secrets, m_services.dialogs, *this);
        connect(m_ircSender.get(), &IrcChannelSender::problem, m_status,
                &ChatStatusLine::showProblem);
        connect(m_ircSender.get(), &IrcChannelSender::undelivered, m_status,
                &ChatStatusLine::keepUndelivered);
    }
    return *m_ircSender;
}
