#include "engine/formats/IrcWriter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <span>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The 99 colours as modern IRC clients show them: the 16 of the classic palette, then 16..87
// in six rows of twelve hues, darkest to palest, and 88..98 a scale of greys.
constexpr std::array<quint32, 99> Palette = {
    0xFFFFFF, 0x000000, 0x00007F, 0x009300, 0xFF0000, 0x7F0000, 0x9C009C, 0xFC7F00, 0xFFFF00,
    0x00FC00, 0x009393, 0x00FFFF, 0x0000FC, 0xFF00FF, 0x7F7F7F, 0xD2D2D2, 0x470000, 0x472100,
    0x474700, 0x324700, 0x004700, 0x00472C, 0x004747, 0x002747, 0x000047, 0x2E0047, 0x470047,
    0x47002A, 0x740000, 0x743A00, 0x747400, 0x517400, 0x007400, 0x007449, 0x007474, 0x004074,
    0x000074, 0x4B0074, 0x740074, 0x740045, 0xB50000, 0xB56300, 0xB5B500, 0x7DB500, 0x00B500,
    0x00B571, 0x00B5B5, 0x0063B5, 0x0000B5, 0x7500B5, 0xB500B5, 0xB5006B, 0xFF0000, 0xFF8C00,
    0xFFFF00, 0xB2FF00, 0x00FF00, 0x00FFA0, 0x00FFFF, 0x008CFF, 0x0000FF, 0xA500FF, 0xFF00FF,
    0xFF0098, 0xFF5959, 0xFFB459, 0xFFFF71, 0xCFFF60, 0x6FFF6F, 0x65FFC9, 0x6DFFFF, 0x59B4FF,
    0x5959FF, 0xC459FF, 0xFF66FF, 0xFF59BC, 0xFF9C9C, 0xFFD39C, 0xFFFF9C, 0xE2FF9C, 0x9CFF9C,
    0x9CFFDB, 0x9CFFFF, 0x9CD3FF, 0x9C9CFF, 0xDC9CFF, 0xFF9CFF, 0xFF94D3, 0x000000, 0x131313,
    0x282828, 0x363636, 0x4D4D4D, 0x656565, 0x818181, 0x9F9F9F, 0xBCBCBC, 0xE2E2E2, 0xFFFFFF,
};

int squaredDistance(Rgb rgb, quint32 entry)
{
    const int red = rgb.red - int(entry >> 16), green = rgb.green - int((entry >> 8) & 0xFF),
              blue = rgb.blue - int(entry & 0xFF);
    return red * red + green * green + blue * blue;
}

// The palette entries that may be nearest to some colour of each cube of 16 × 16 × 16 colours,
// in the palette's order, so that a look-up weighs a few entries instead of all 99: an entry
// is kept when its distance to the nearest point of the cube is no more than the smallest
// distance any entry has to the farthest point.
class NearestCandidates
{
public:
    NearestCandidates()
    {
        for (int cube = 0; cube < Cubes; ++cube) {
            const int low[] = {(cube >> 8) * CubeSide, ((cube >> 4) & 0xF) * CubeSide,
                               (cube & 0xF) * CubeSide};
            int bound = std::numeric_limits<int>::max();
            for (const quint32 entry : Palette)
                bound = std::min(bound, farthest(entry, low));
            m_starts[std::size_t(cube)] = quint16(m_entries.size());
            for (std::size_t index = 0; index < Palette.size(); ++index) {
                if (nearestPoint(Palette[index], low) <= bound)
                    m_entries.push_back(quint8(index));
            }
        }
        m_starts.back() = quint16(m_entries.size());
    }

    std::span<const quint8> of(Rgb rgb) const
    {
        const std::size_t cube = std::size_t((rgb.red / CubeSide) << 8 |
                                             (rgb.green / CubeSide) << 4 | rgb.blue / CubeSide);
        return std::span(m_entries).subspan(m_starts[cube], m_starts[cube + 1] - m_starts[cube]);
    }

private:
    static constexpr int CubeSide = 16;
    static constexpr int Cubes = 16 * 16 * 16;

    static std::array<int, 3> components(quint32 entry)
    {
        return {int(entry >> 16), int((entry >> 8) & 0xFF), int(entry & 0xFF)};
    }

    static int nearestPoint(quint32 entry, const int (&low)[3])
    {
        int distance = 0;
        const std::array<int, 3> values = components(entry);
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const int gap = std::max({low[channel] - values[channel], 0,
                                      values[channel] - (low[channel] + CubeSide - 1)});
            distance += gap * gap;
        }
        return distance;
    }

    static int farthest(quint32 entry, const int (&low)[3])
    {
        int distance = 0;
        const std::array<int, 3> values = components(entry);
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const int gap = std::max(std::abs(values[channel] - low[channel]),
                                     std::abs(values[channel] - (low[channel] + CubeSide - 1)));
            distance += gap * gap;
        }
        return distance;
    }

    std::array<quint16, Cubes + 1> m_starts {};
    std::vector<quint8> m_entries;
};

QString styleCodes(const FadeOptions &options)
{
    QString codes;
    if (options.bold)
        codes += u'\x02';
    if (options.italic)
        codes += u'\x1d';
    if (options.underline)
        codes += u'\x1f';
    return codes;
}

} // namespace

int IrcColorIndex(ColorValue color)
{
    static const NearestCandidates candidates;
    const Rgb rgb = SplitColor(color);
    int nearest = 0;
    int nearestDistance = std::numeric_limits<int>::max();
    for (const quint8 index : candidates.of(rgb)) {
        const int distance = squaredDistance(rgb, Palette[index]);
        if (distance < nearestDistance) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::optional<QString> IrcProblem(QStringView message)
{
    const auto control = std::ranges::find_if(
        message, [](QChar c) { return c < u' ' && c != u'\t' && c != u'\r' && c != u'\n'; });
    if (control == message.end())
        return std::nullopt;
    return u"the message cannot be written in irc: it holds the control character U+%1, which "
           "IRC reads as formatting or as the end of a line"_s.arg(int(control->unicode()), 4, 16,
                                                                   QChar(u'0'));
}

IrcWriter::IrcWriter(MarkupBuffer &out, const FadeOptions &options, bool hex)
    : StreamedWriter(out, {})
    , m_hex(hex)
    , m_style(styleCodes(options))
{ }

Rgb IrcPaletteColor(int index)
{
    const quint32 entry = Palette[std::size_t(index)];
    return {int(entry >> 16), int((entry >> 8) & 0xFF), int(entry & 0xFF)};
}
