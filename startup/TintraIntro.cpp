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
    Label1 = whiteLabel(*this, u"Label1"_s, {120, 0, 3615, 975},
                        u"DUV or QY's Tintra version 4.0!!!"_s, 14.25);
    // The title is longer than the label is wide at that size; the label has room for two lines.
    Label1->setWordWrap(true);
    Label2 = whiteLabel(*this, u"Label2"_s, {120, 840, 3615, 375}, u"Now Loading Fonts:"_s, 9.75);
    Text1 = placeText<QLineEdit>(*this, u"Text1"_s, {120, 1200, 3615, 285}, u"Loading..."_s, 8.25);
    // The box only reports progress: nothing typed reaches it.
    Text1->setReadOnly(true);
    Text1->setAccessibleName(u"Font loading"_s);
    Label2->setBuddy(Text1);
    // Assistive technology names a window by its caption, which is blank here.
    setAccessibleName(Label1->text());
}

TintraIntro::~TintraIntro() = default;

void TintraIntro::Form_Load()
{
    ShowLoadedWindow(*this, RGB(0, 158, 158), Arrival::Centred);
    Pause(1e-90, m_services.clock);

    m_mainWindow = std::make_unique<Tintra3>(m_services);
    loadFontNames();
    chooseDefaultFont();
    fillFontSizes();
    hide();
    SlideIn(*m_mainWindow);
}

void TintraIntro::loadFontNames()
{
    if (ReadFontList(*m_mainWindow, *this, m_fonts.file, m_services.clock))
        return;
    for (const QString &name : familyNames(m_fonts.installedFonts()))
        LoadFontName(*m_mainWindow, *this, name, m_services.clock);
    // A cache that cannot be written only costs the next start the listing again.
    WriteFontList(*m_mainWindow, m_fonts.file);
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
