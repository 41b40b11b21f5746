#include "engine/ColorValue.h"

QString Hex6(ColorValue value)
{
    QString text(6, Qt::Uninitialized);
    WriteHex6(value, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

QString HColor1(ColorValue value)
{
    return QLatin1Char('#') + Hex6(value);
}
