#include "engine/MarkupBuffer.h"

void MarkupBuffer::start(qsizetype room)
{
    // A text still held elsewhere is left to its holder.
    if (m_text.isDetached() && m_text.capacity() >= room)
        m_text.resize(room);
    else
        m_text = QString(room, Qt::Uninitialized);
    m_cursor = reinterpret_cast<char16_t *>(m_text.data());
    m_end = m_cursor + room;
}

QString MarkupBuffer::text()
{
    m_text.resize(m_cursor - reinterpret_cast<const char16_t *>(m_text.constData()));
    m_cursor = nullptr;
    m_end = nullptr;
    return m_text;
}
