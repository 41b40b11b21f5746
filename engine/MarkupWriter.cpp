#include "engine/MarkupWriter.h"

#include <algorithm>

MarkupWriter::MarkupWriter(qsizetype expectedLength)
    : m_text(std::max<qsizetype>(expectedLength, 16), Qt::Uninitialized)
{ }

char16_t *MarkupWriter::reserve(qsizetype extra)
{
    if (m_length + extra > m_text.size())
        m_text.resize(std::max(2 * m_text.size(), m_length + extra));
    char16_t *end = reinterpret_cast<char16_t *>(m_text.data()) + m_length;
    m_length += extra;
    return end;
}

MarkupWriter &MarkupWriter::operator<<(QLatin1StringView piece)
{
    char16_t *out = reserve(piece.size());
    for (const char c : piece)
        *out++ = static_cast<uchar>(c);
    return *this;
}

MarkupWriter &MarkupWriter::operator<<(QStringView piece)
{
    std::copy(piece.utf16(), piece.utf16() + piece.size(), reserve(piece.size()));
    return *this;
}

MarkupWriter &MarkupWriter::operator<<(QChar character)
{
    *reserve(1) = character.unicode();
    return *this;
}

void MarkupWriter::appendHex6(ColorValue value)
{
    WriteHex6(value, reserve(6));
}

QString MarkupWriter::take()
{
    m_text.truncate(m_length);
    m_length = 0;
    return std::exchange(m_text, QString());
}
