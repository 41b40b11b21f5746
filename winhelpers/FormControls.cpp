#include "winhelpers/FormControls.h"

#include <QPainter>

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

void DrawFocusRing(QPainter &painter, const QRect &rect, const QPalette &palette)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette.color(QPalette::Highlight));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(palette.color(QPalette::HighlightedText));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.restore();
}
