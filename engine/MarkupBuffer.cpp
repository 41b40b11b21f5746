#include "engine/MarkupBuffer.h"

#include <algorithm>

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

void MarkupBuffer::startGrowing(qsizetype room)
{
    start(m_sink ? std::min(room, BlockRoom) : room);
}

void MarkupBuffer::append(QStringView piece)
{
    ensureRoom(piece.size());
    Cursor(*this) << piece;
}

QString MarkupBuffer::text()
{
    m_text.resize(m_cursor - reinterpret_cast<const char16_t *>(m_text.constData()));
    m_cursor = nullptr;
    m_end = nullptr;
    return m_text;
}

void MarkupBuffer::makeRoom(qsizetype length)
{
    char16_t *begin = reinterpret_cast<char16_t *>(m_text.data());
    if (m_sink && m_cursor != begin) {
        m_sink->write(QStringView(begin, m_cursor));
        m_cursor = begin;
        if (m_end - m_cursor >= length)
            return;
    }
    // Doubling keeps a run that grows linear in time.
    const qsizetype used = m_cursor - begin;
    const qsizetype room = std::max(2 * m_text.size(), used + length);
    m_text.resize(room);
    begin = reinterpret_cast<char16_t *>(m_text.data());
    m_cursor = begin + used;
    m_end = begin + room;
}
