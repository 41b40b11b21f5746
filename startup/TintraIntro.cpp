#include "startup/TintraIntro.h"

#include "forms/main/Tintra3.h"
#include "winhelpers/FormControls.h"
#include "winhelpers/Pause.h"
#include "winhelpers/Services.h"
#include "winhelpers/Twips.h"
#include "winhelpers/WindowLoad.h"
#include "winhelpers/WindowMotion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr QRectF ClientArea(0, 0, 3855, 1575);
const QString DefaultFont = u"Comic Sans MS"_s;

QFont comicSans(double pointSize)
{
    QFont font(DefaultFont);
    font.setPointSizeF(pointSize);
    return font;
}

// A control with its text in the intro's font at the given size.
template<typename Control>
Control *placeText(QWidget &window, const QString &name, const QRectF &twips, const QString &text,
                   double pointSize)
{
    auto *control = PlaceControl<Control>(window, name, twips, text);
    control->setFont(comicSans(pointSize));
    return control;
}

QLabel *whiteLabel(QWidget &window, const QString &name, const QRectF &twips,
                   const QString &caption, double pointSize)
{
    auto *label = placeText<QLabel>(window, name, twips, caption, pointSize);
    SetPaletteColor(*label, QPalette::WindowText, RGB(255, 255, 255));
    return label;
}

// The platform names a family that several foundries make once per foundry, as
// "Name [foundry]"; a font face is asked for by the family alone, and each once.
QStringList familyNames(const QStringList &installed)
{
    static const QRegularExpression foundryTag(uR"( \[[^\]]*\]$)"_s);
    QStringList families;
    for (const QString &name : installed)
        families << QString(name).remove(foundryTag);
    families.removeDuplicates();
    return families;
}

} // namespace

TintraIntro::TintraIntro(Services &services, FontSources fonts)
    : m_services(services)
    , m_fonts(std::move(fonts))
{
    setObjectName(u"TintraIntro"_s);
    // The caption is empty to the eye. Qt shows the application's name in place of an empty
    // title, but a blank one it shows as it is.
    setWindowTitle(u" "_s);
    resize(TwipsToPixels(ClientArea, LogicalDpi(*this)).size());
    QLabel *title = whiteLabel(*this, u"Label1"_s, {120, 0, 3615, 975},
                               u"DUV or QY's Tintra version 4.0!!!"_s, 14.25);
    // The title is longer than the label is wide at that size; the label has room for two lines.
    title->setWordWrap(true);
    QLabel *progressCaption =
        whiteLabel(*this, u"Label2"_s, {120, 840, 3615, 375}, u"Now Loading Fonts:"_s, 9.75);
    m_progress =
        placeText<QLineEdit>(*this, u"Text1"_s, {120, 1200, 3615, 285}, u"Loading..."_s, 8.25);
    // The box only reports progress: nothing typed reaches it.
    m_progress->setReadOnly(true);
    m_progress->setAccessibleName(u"Font loading"_s);
    progressCaption->setBuddy(m_progress);
    // Assistive technology names a window by its caption, which is blank here.
    setAccessibleName(title->text());
}

TintraIntro::~TintraIntro() = default;

void TintraIntro::Form_Load()
{
    ShowLoadedWindow(*this, RGB(0, 158, 158), Arrival::Centred);
    Pause(Moment, m_services.clock);

    m_mainWindow = std::make_unique<Tintra3>(m_services);
    loadFontNames();
    chooseDefaultFont();
    fillFontSizes();
    hide();
    SlideIn(*m_mainWindow);
}

// From the cache, or else from the platform, which then fills the cache.
void TintraIntro::loadFontNames()
{
    const std::optional<QStringList> cached = m_fonts.file.read();
    const QStringList names = cached ? *cached : familyNames(m_fonts.installedFonts());
    for (const QString &name : names)
        loadFontName(name);
    // A cache that cannot be written only costs the next start the listing again.
    if (!cached)
        m_fonts.file.write(names);
}

// The name joins the main window's list and shows in the progress box until the clock ticks.
void TintraIntro::loadFontName(const QString &name)
{
    m_mainWindow->fontNameList().addItem(name);
    m_progress->setText(name);
    Pause(Moment, m_services.clock);
}

void TintraIntro::chooseDefaultFont()
{
    QComboBox &names = m_mainWindow->fontNameList();
    names.setCurrentIndex(std::min(1, names.count() - 1));
    for (int i = 0; i < names.count(); ++i) {
        if (names.itemText(i) == DefaultFont)
            names.setCurrentIndex(i);
    }
}

void TintraIntro::fillFontSizes()
{
    QComboBox &sizes = m_mainWindow->fontSizeList();
    for (int size = 1; size <= 7; ++size)
        sizes.addItem(QString::number(size));
    sizes.setCurrentIndex(2);
}
