#pragma once

#include "engine/ColorValue.h"
#include "winhelpers/Twips.h"

#include <QPalette>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>

class QPainter;

// Creates a control on the window under the control's name, at its place given in twips.
template<typename Control, typename... Arguments>
Control *PlaceControl(QWidget &window, const QString &name, const QRectF &twips,
                      Arguments &&...arguments)
{
    auto *control = new Control(std::forward<Arguments>(arguments)..., &window);
    control->setObjectName(name);
    control->setGeometry(TwipsToPixels(twips, LogicalDpi(window)));
    return control;
}

// Sets one colour of the widget's palette, as a background or text colour.
void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, ColorValue color);

// Sets several colours of the widget's palette at once, so it repaints once.
void SetPaletteColors(QWidget &widget,
                      std::initializer_list<std::pair<QPalette::ColorRole, ColorValue>> colors);

// Marks a control that has the keyboard focus by a ring along the inside of the rectangle: a line
// in the highlight colour with a line of the highlighted-text colour inside it, so that the ring
// shows on whatever colour lies beneath.
void DrawFocusRing(QPainter &painter, const QRect &rect, const QPalette &palette);
