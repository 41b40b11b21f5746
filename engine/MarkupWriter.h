#pragma once

#include "engine/ColorValue.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// One growing text buffer for building markup in linear time: pieces are copied straight into
// reserved space, with no temporary strings per letter.
class MarkupWriter
{
public:
    explicit MarkupWriter(qsizetype expectedLength = 64);

    MarkupWriter &operator<<(QLatin1StringView piece);
    MarkupWriter &operator<<(QStringView piece);
    MarkupWriter &operator<<(QChar character);
    void appendHex6(ColorValue value);

    qsizetype length() const { return m_length; }
    QString take();

private:
    char16_t *reserve(qsizetype extra);

    QString m_text;
    qsizetype m_length = 0;
};
