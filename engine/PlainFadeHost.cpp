#include "engine/PlainFadeHost.h"

PlainFadeHost::PlainFadeHost(Rgb color1, Rgb color2, Rgb color3, QString countAnswer)
    : m_channels {color1.red,  color1.green, color1.blue,  color2.red, color2.green,
                  color2.blue, color3.red,   color3.green, color3.blue}
    , m_countAnswer(std::move(countAnswer))
{ }

Rgb PlainFadeHost::color(int which) const
{
    const int first = 3 * (which - 1);
    return {m_channels.at(first), m_channels.at(first + 1), m_channels.at(first + 2)};
}

void PlainFadeHost::setChannel(int bar, int value)
{
    m_channels.at(bar - 1) = value;
}

QString PlainFadeHost::askCount(const QString &, const QString &, const QString &)
{
    return m_countAnswer;
}
