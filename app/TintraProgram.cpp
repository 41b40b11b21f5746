#include "app/TintraProgram.h"

#include "forms/main/Tintra3.h"

#include <QCoreApplication>
#include <QFontDatabase>

TintraProgram::TintraProgram(FontSources fonts)
    : m_random(RandomSource::monotonicNanoseconds())
    , m_services(m_dialogs, m_random)
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
