#include "panel/ColorBars.h"

#include "panel/ColorBar.h"
#include "panel/ColorBarStyle.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/FormControls.h"

#include <QEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

ColorBars::ColorBars(QWidget &window, const std::array<QRectF, 9> &places)
    : QObject(&window)
    , m_window(window)
    , m_style(new ColorBarStyle)
{
    m_style->setParent(this);
    constexpr std::array<int, 9> initial {255, 0, 0, 0, 0, 255, 0, 255, 0};
    const std::array<QString, 3> channels {u"red"_s, u"green"_s, u"blue"_s};
    for (int bar = 0; bar < 9; ++bar) {
        ColorBar *colorBar =
            PlaceControl<ColorBar>(window, u"HScroll%1"_s.arg(bar + 1), places[bar]);
        colorBar->setAccessibleName(u"Colour %1 %2"_s.arg(bar / 3 + 1).arg(channels[bar % 3]));
        colorBar->setStyle(m_style);
        colorBar->setValue(initial[bar]);
        // Every step of a dragged thumb is a change, so the displays follow the drag.
        connect(colorBar, &QScrollBar::valueChanged, this,
                [this, bar] { emit changed(bar / 3 + 1); });
        m_bars[bar] = colorBar;
    }
}

Rgb ColorBars::color(int which) const
{
    const int first = 3 * (which - 1);
    return {m_bars[first]->value(), m_bars[first + 1]->value(), m_bars[first + 2]->value()};
}

void ColorBars::setChannel(int bar, int value)
{
    m_bars[bar - 1]->setValue(value);
}

void ColorBars::setColor3Enabled(bool enabled)
{
    for (int bar = 6; bar < 9; ++bar)
        m_bars[bar]->setEnabled(enabled);
    emit changed(3);
}

bool ColorBars::inUse(int which) const
{
    return m_bars[3 * which - 1]->isEnabledTo(&m_window);
}

ColorValue ColorBars::shownColor(int which) const
{
    return inUse(which) ? RGB(color(which)) : UnusedColor;
}

void ColorBars::chooseOnDoubleClick(QWidget &display, int which, Dialogs &dialogs)
{
    m_dialogs = &dialogs;
    m_displays[which - 1] = &display;
    display.installEventFilter(this);
}

bool ColorBars::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonDblClick)
        return false;
    const auto display = std::ranges::find(m_displays, watched);
    if (display == m_displays.end())
        return false;
    choose(int(display - m_displays.begin()) + 1);
    return true;
}

void ColorBars::choose(int which)
{
    // Colour 3 out of use is not offered.
    if (!inUse(which))
        return;
    const std::optional<ColorValue> chosen = m_dialogs->chooseColor(&m_window, RGB(color(which)));
    if (!chosen)
        return;
    const Rgb rgb = SplitColor(*chosen);
    setChannel(3 * which - 2, rgb.red);
    setChannel(3 * which - 1, rgb.green);
    setChannel(3 * which, rgb.blue);
}
