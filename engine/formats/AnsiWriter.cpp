#include "engine/formats/AnsiWriter.h"

#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Select Graphic Rendition: 1 bold, 3 italic, 4 underline.
QString styleSequence(const FadeOptions &options)
{
    QStringList codes;
    if (options.bold)
        codes << u"1"_s;
    if (options.italic)
        codes << u"3"_s;
    if (options.underline)
        codes << u"4"_s;
    return codes.isEmpty() ? QString() : u"\x1b["_s + codes.join(u';') + u'm';
}

int squaredDistance(Rgb a, Rgb b)
{
    const int red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
    return red * red + green * green + blue * blue;
}

} // namespace

int Palette256Index(ColorValue color)
{
    static constexpr std::array<int, 6> levels {0, 95, 135, 175, 215, 255};
    // The cube level nearest to a component: the levels lie 40 apart from 95 on.
    const auto level = [](int component) {
        return component < 48 ? 0 : component < 115 ? 1 : (component - 35) / 40;
    };
    const Rgb rgb = SplitColor(color);
    const int red = level(rgb.red), green = level(rgb.green), blue = level(rgb.blue);
    const Rgb cube {levels[std::size_t(red)], levels[std::size_t(green)],
                    levels[std::size_t(blue)]};
    // The greys run from 8 to 238 in steps of 10.
    const int grey = std::clamp(((rgb.red + rgb.green + rgb.blue) / 3 - 3) / 10, 0, 23);
    const int greyValue = 8 + 10 * grey;
    if (squaredDistance(rgb, {greyValue, greyValue, greyValue}) < squaredDistance(rgb, cube))
        return 232 + grey;
    return 16 + 36 * red + 6 * green + blue;
}

AnsiWriter::AnsiWriter(MarkupBuffer &out, const FadeOptions &options, TerminalColors colors)
    : StreamedWriter(out, {{styleSequence(options), Reset.toString()}})
    , m_colors(colors)
    , m_style(styleSequence(options))
{ }
