#include "engine/MarkupWriter.h"

#include <algorithm>

MarkupWriter::MarkupWriter(qsizetype expectedLength)
    : m_text(std::max<qsizetype>(expectedLength, 16), Qt::Uninitialized)
    , m_data(reinterpret_cast<char16_t *>(m_text.data()))
    , m_capacity(m_text.size())
{ }

void MarkupWriter::grow(qsizetype needed)
{
    m_text.resize(std::max(2 * m_capacity, needed));
    m_data = reinterpret_cast<char16_t *>(m_text.data());
    m_capacity = m_text.size();
}

QString MarkupWriter::take()
{
    m_text.truncate(m_length);
    QString text = std::exchange(m_text, QString());
    m_data = nullptr;
    m_capacity = 0;
    m_length = 0;
    return text;
}
