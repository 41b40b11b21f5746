#include "winhelpers/FormControls.h"

#include <QScrollBar>

QScrollBar *PlaceColorBar(QWidget &window, const QString &name, const QRectF &twips, int value)
{
    auto *bar = PlaceControl<QScrollBar>(window, name, twips, Qt::Horizontal);
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(value);
    // A colour bar is worked from the keyboard too, and its keys and wheel raise the value
    // toward the right end as on a slider, not page down a document.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    return bar;
}

void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, ColorValue color)
{
    const Rgb rgb = SplitColor(color);
    QPalette palette = widget.palette();
    palette.setColor(role, QColor(rgb.red, rgb.green, rgb.blue));
    widget.setPalette(palette);
}
