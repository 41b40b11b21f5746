#pragma once

#include "engine/UserColors.h"

#include <QObject>
#include <QRectF>
#include <QStringView>

#include <array>

class ColorBar;
class ColorBarStyle;
class Dialogs;
class QWidget;

// The nine colour bars of a fading window, the only store of its three colours: bars 1 to 3 are
// red, green and blue of colour 1, bars 4 to 6 of colour 2 and bars 7 to 9 of colour 3. Colour 3
// may be out of use: its bars are then disabled and its display shows grey.
class ColorBars : public QObject, public UserColors
{
    Q_OBJECT

public:
    // The grey that marks colour 3 as out of use.
    static constexpr ColorValue UnusedColor = RGB(150, 150, 150);
    // And in words, for assistive technology.
    static constexpr QStringView UnusedDescription = u"Not used by this fade type";

    // Creates the bars HScroll1 .. HScroll9 on the window at their places (twips, bar 1 first),
    // colour 1 red, colour 2 blue and colour 3 green.
    ColorBars(QWidget &window, const std::array<QRectF, 9> &places);

    Rgb color(int which) const override;

    // bar: 1..9.
    void setChannel(int bar, int value);

    void setColor3Enabled(bool enabled);

    // Colours 1 and 2 always are; colour 3 when the fade type uses it.
    bool inUse(int which) const;

    // What a display of the colour shows: the colour, or grey while colour 3 is out of use.
    ColorValue shownColor(int which) const;

    // A double click on the display of a colour in use opens the colour chooser at that colour;
    // the colour chosen is set on its three bars.
    void chooseOnDoubleClick(QWidget &display, int which, Dialogs &dialogs);

signals:
    // A bar of the colour (1..3) changed, by the user or by the program, or colour 3 came into
    // or went out of use.
    void changed(int which);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(int which);

    QWidget &m_window;
    ColorBarStyle *m_style = nullptr;
    std::array<ColorBar *, 9> m_bars {};
    std::array<QWidget *, 3> m_displays {};
    Dialogs *m_dialogs = nullptr;
};
