#include "app/TintraProgram.h"

#include "chat/DesktopWindowTree.h"
#include "winhelpers/WindowMotion.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace {

void fillFontNames(QComboBox &names)
{
    names.addItems(QFontDatabase::families());
    const int comic = names.findText(u"Comic Sans MS"_s, Qt::MatchExactly | Qt::MatchCaseSensitive);
    names.setCurrentIndex(comic >= 0 ? comic : std::min(1, names.count() - 1));
}

void fillFontSizes(QComboBox &sizes)
{
    for (int size = 1; size <= 7; ++size)
        sizes.addItem(QString::number(size));
    sizes.setCurrentIndex(2);
}

} // namespace

TintraProgram::TintraProgram()
    : m_random(RandomSource::monotonicNanoseconds())
    // The chat room search lets this program's windows go on working while it looks.
    , m_desktop(MakeDesktopWindowTree([] { QCoreApplication::processEvents(); }))
    , m_services(m_dialogs, m_random)
    , m_mainWindow(m_services)
{
    m_services.mainWindow = &m_mainWindow;
    m_services.desktop = m_desktop.get();
    fillFontNames(m_mainWindow.fontNameList());
    fillFontSizes(m_mainWindow.fontSizeList());
    SlideIn(m_mainWindow);
    QObject::connect(&m_mainWindow, &Tintra3::programEnded, QCoreApplication::instance(),
                     &QCoreApplication::quit);
}
