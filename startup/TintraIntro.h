#pragma once

#include "winhelpers/FontListFile.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;
class Tintra3;
struct Services;

// Where the font names come from: the cache file, or the platform's font list when the file
// gives none.
struct FontSources
{
    FontListFile file;
    std::function<QStringList()> installedFonts;
};

// The start-up window. Its load is the program's start: it shows the intro, creates the main
// window, fills its font lists (showing each font name as it goes), hides itself and slides
// the main window into view. Afterwards it stays hidden until the program ends.
class TintraIntro : public QWidget
{
    Q_OBJECT

public:
    TintraIntro(Services &services, FontSources fonts);
    ~TintraIntro() override;

    void Form_Load();

    Tintra3 &mainWindow() const { return *m_mainWindow; }

private:
    void loadFontNames();
    void loadFontName(const QString &name);
    void chooseDefaultFont();
    void fillFontSizes();

    Services &m_services;
    FontSources m_fonts;
    std::unique_ptr<Tintra3> m_mainWindow;
    QLineEdit *m_progress = nullptr; // shows each font name as it is loaded
};
