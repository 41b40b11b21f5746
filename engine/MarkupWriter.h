#pragma once

#include "engine/ColorValue.h"

#include <QString>
#include <QStringView>

#include <cstring>

// One growing text buffer for building markup in linear time: pieces are copied straight into
// reserved space, with no temporary strings per letter.
class MarkupWriter
{
public:
    explicit MarkupWriter(qsizetype expectedLength = 64);

    // Literal pieces: their length is known here, so the copy compiles to a few moves.
    template<std::size_t N> MarkupWriter &operator<<(const char16_t (&piece)[N])
    {
        std::memcpy(reserve(N - 1), piece, sizeof(char16_t) * (N - 1));
        return *this;
    }

    MarkupWriter &operator<<(QStringView piece)
    {
        if (piece.size() == 1) // most letters
            *reserve(1) = piece.front().unicode();
        else if (!piece.isEmpty()) // an empty piece may have no data to copy from
            std::memcpy(reserve(piece.size()), piece.utf16(), sizeof(char16_t) * piece.size());
        return *this;
    }

    void appendHex6(ColorValue value) { WriteHex6(value, reserve(6)); }

    qsizetype length() const { return m_length; }
    QString take();

private:
    char16_t *reserve(qsizetype extra)
    {
        if (m_length + extra > m_capacity)
            grow(m_length + extra);
        char16_t *end = m_data + m_length;
        m_length += extra;
        return end;
    }
    void grow(qsizetype needed);

    QString m_text;
    char16_t *m_data;
    qsizetype m_capacity;
    qsizetype m_length = 0;
};
