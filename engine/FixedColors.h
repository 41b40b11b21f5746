#pragma once

#include "engine/UserColors.h"

#include <array>

// The three colours as they stood when a run began its letters: read from the window once, so
// planning a segment asks the window nothing. Nothing changes the colours during the letters.
class FixedColors final : public UserColors
{
public:
    explicit FixedColors(const UserColors &colors)
        : m_colors {colors.color(1), colors.color(2), colors.color(3)}
    { }

    Rgb color(int which) const override { return m_colors[std::size_t(which - 1)]; }

private:
    std::array<Rgb, 3> m_colors;
};
