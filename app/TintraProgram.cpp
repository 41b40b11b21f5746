#include "app/TintraProgram.h"

#include "forms/main/Tintra3.h"

#include <QCoreApplication>
#include <QFontDatabase>

// The services only keep a reference to the Qt dialogs, which are made before them.
TintraProgram::TintraProgram(FontSources fonts)
    : TintraProgram(m_qtDialogs, std::move(fonts))
{ }

TintraProgram::TintraProgram(Dialogs &dialogs, FontSources fonts)
    : m_random(RandomSource::monotonicNanoseconds())
    , m_services(dialogs, m_random)
    , m_intro(m_services, std::move(fonts))
{
    m_services.previewFolder = m_previewFolder.path();
    m_intro.Form_Load();
    QObject::connect(&mainWindow(), &Tintra3::programEnded, QCoreApplication::instance(),
                     &QCoreApplication::quit);
}

FontSources TintraProgram::installedFontSources()
{
    return {FontListFile(), [] {
                return QFontDatabase::families();
            }};
}
