#pragma once

#include "engine/RandomSource.h"
#include "forms/preview/PreviewFolder.h"
#include "startup/TintraIntro.h"
#include "winhelpers/QtDialogs.h"
#include "winhelpers/Services.h"

// The running program: its services (the private preview folder among them) and the intro
// window, whose load starts everything. The application quits when the main window's farewell
// ends.
class TintraProgram
{
public:
    explicit TintraProgram(FontSources fonts = installedFontSources());
    // With the caller's dialogs in place of Qt's, so that a test can answer them.
    TintraProgram(Dialogs &dialogs, FontSources fonts);

    // The font list cache in its usual place, and the platform's fonts.
    static FontSources installedFontSources();

    Tintra3 &mainWindow() const { return m_intro.mainWindow(); }

private:
    // Made before the windows and removed after them.
    PreviewFolder m_previewFolder;
    QtDialogs m_qtDialogs;
    RandomSource m_random;
    Services m_services;
    TintraIntro m_intro;
};
