#include "presets/BuiltInPresets.h"

using namespace Qt::StringLiterals;

namespace {

Preset preset(const QString &name, int mode, const QList<Rgb> &colors, int count = 5)
{
    Preset made;
    made.name = name;
    made.fadeMode = mode;
    made.colors = colors;
    made.count = count;
    return made;
}

} // namespace

QList<Preset> BuiltInPresets()
{
    return {
        preset(u"Sunset"_s, FadeMode::Stops,
               {{46, 23, 96}, {192, 54, 110}, {255, 126, 71}, {255, 211, 110}}),
        preset(u"Ocean"_s, FadeMode::Stops,
               {{0, 57, 115}, {0, 119, 182}, {0, 180, 216}, {144, 224, 239}}),
        preset(u"Pastel Rainbow"_s, FadeMode::Stops,
               {{255, 179, 186},
                {255, 223, 186},
                {255, 255, 186},
                {186, 255, 201},
                {186, 225, 255},
                {215, 186, 255}}),
        preset(u"Fire"_s, FadeMode::Stops,
               {{92, 0, 0}, {200, 29, 17}, {255, 106, 0}, {255, 195, 0}, {255, 243, 176}}),
        preset(u"Mint"_s, FadeMode::TTintra, {{11, 110, 79}, {62, 180, 137}, {200, 255, 228}}),
        preset(u"Grey Steps"_s, FadeMode::Repeater,
               {{32, 32, 32}, {224, 224, 224}, {128, 128, 128}}, 4),
    };
}
