#include "winhelpers/FormControls.h"

void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, ColorValue color)
{
    SetPaletteColors(widget, {{role, color}});
}

void SetPaletteColors(QWidget &widget,
                      std::initializer_list<std::pair<QPalette::ColorRole, ColorValue>> colors)
{
    QPalette palette = widget.palette();
    for (const auto &[role, color] : colors) {
        const Rgb rgb = SplitColor(color);
        palette.setColor(role, QColor(rgb.red, rgb.green, rgb.blue));
    }
    widget.setPalette(palette);
}
