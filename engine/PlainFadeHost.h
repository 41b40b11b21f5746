#pragma once

#include "engine/FadeHost.h"

#include <array>

// A fade host without a window: nine channel values and a ready answer for the count box.
class PlainFadeHost : public FadeHost
{
public:
    PlainFadeHost(Rgb color1, Rgb color2, Rgb color3, QString countAnswer = QStringLiteral("5"));

    Rgb color(int which) const override;
    void setChannel(int bar, int value) override;
    QString askCount(const QString &prompt, const QString &title,
                     const QString &defaultText) override;

private:
    std::array<int, 9> m_channels;
    QString m_countAnswer;
};
