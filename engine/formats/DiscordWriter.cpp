#include "engine/formats/DiscordWriter.h"

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// How Discord shows SGR 30..37 in a code block: grey, red, green, yellow, blue, pink, cyan and
// white.
constexpr std::array<Rgb, 8> Palette = {{
    {0x4F, 0x54, 0x5C},
    {0xDC, 0x32, 0x2F},
    {0x85, 0x99, 0x00},
    {0xB5, 0x89, 0x00},
    {0x26, 0x8B, 0xD2},
    {0xD3, 0x36, 0x82},
    {0x2A, 0xA1, 0x98},
    {0xFF, 0xFF, 0xFF},
}};

// Bold and underline, given at the start of every line.
QString lineStyle(const FadeOptions &options)
{
    if (!options.bold && !options.underline)
        return {};
    return options.bold && options.underline ? u"\x1b[1;4m"_s
        : options.bold                       ? u"\x1b[1m"_s
                                             : u"\x1b[4m"_s;
}

} // namespace

int DiscordColorCode(ColorValue color)
{
    const Rgb rgb = SplitColor(color);
    int nearest = 0;
    int nearestDistance = std::numeric_limits<int>::max();
    for (int index = 0; index < int(Palette.size()); ++index) {
        const Rgb &entry = Palette[std::size_t(index)];
        const int red = rgb.red - entry.red, green = rgb.green - entry.green,
                  blue = rgb.blue - entry.blue;
        const int distance = red * red + green * green + blue * blue;
        if (distance < nearestDistance) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    return 30 + nearest;
}

DiscordWriter::DiscordWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, {{u"```ansi\n"_s, u"\x1b[0m\n```"_s}})
    , m_style(lineStyle(options))
{ }
