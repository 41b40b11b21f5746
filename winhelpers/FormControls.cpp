#include "winhelpers/FormControls.h"

void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, ColorValue color)
{
    const Rgb rgb = SplitColor(color);
    QPalette palette = widget.palette();
    palette.setColor(role, QColor(rgb.red, rgb.green, rgb.blue));
    widget.setPalette(palette);
}
