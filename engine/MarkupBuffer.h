#pragma once

#include "engine/ColorValue.h"

#include <QString>
#include <QStringView>

#include <cstring>

// The text of one run, written through one cursor into room reserved for the whole run, so no
// piece checks for space. Its storage is kept from run to run and used again once no one holds
// the previous text any more.
class MarkupBuffer
{
public:
    class Cursor;

    // Starts a new text with room for at most room characters.
    void start(qsizetype room);

    // The text written since start(), sharing the buffer's storage.
    QString text();

private:
    QString m_text;
    char16_t *m_cursor = nullptr;
    const char16_t *m_end = nullptr;
};

// Writes pieces at the buffer's cursor through a copy of it, which the compiler can keep in a
// register, and hands it back when it goes.
class MarkupBuffer::Cursor
{
public:
    explicit Cursor(MarkupBuffer &buffer)
        : m_buffer(buffer)
        , m_at(buffer.m_cursor)
    { }
    ~Cursor() { m_buffer.m_cursor = m_at; }
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    // Literal pieces: their length is known here, so the copy compiles to a few moves.
    template<std::size_t N> Cursor &operator<<(const char16_t (&piece)[N])
    {
        std::memcpy(room(N - 1), piece, sizeof(char16_t) * (N - 1));
        return *this;
    }

    Cursor &operator<<(QStringView piece)
    {
        // Most letters are one unit; an emoji or a flag takes two or four.
        switch (piece.size()) {
        case 0: // an empty piece may have no data to copy from
            break;
        case 1:
            *room(1) = piece.front().unicode();
            break;
        case 2:
            std::memcpy(room(2), piece.utf16(), sizeof(char16_t) * 2);
            break;
        case 4:
            std::memcpy(room(4), piece.utf16(), sizeof(char16_t) * 4);
            break;
        default:
            std::memcpy(room(piece.size()), piece.utf16(), sizeof(char16_t) * piece.size());
            break;
        }
        return *this;
    }

    Cursor &hex6(ColorValue value)
    {
        WriteHex6(value, room(6));
        return *this;
    }

private:
    char16_t *room(qsizetype length)
    {
        Q_ASSERT(m_buffer.m_end - m_at >= length);
        char16_t *piece = m_at;
        m_at += length;
        return piece;
    }

    MarkupBuffer &m_buffer;
    char16_t *m_at;
};
