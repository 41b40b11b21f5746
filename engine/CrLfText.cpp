#include "engine/CrLfText.h"

void CrLfText::append(QStringView piece)
{
    // Room for every character of the piece to become a pair, which saves counting the breaks
    // first; a piece is short, so the room left over is small beside the text.
    const qsizetype length = m_text.size();
    m_text.resize(length + 2 * piece.size());
    QChar *out = m_text.data() + length;
    for (const QChar c : piece) {
        if (c == u'\n' && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            continue;
        }
        m_afterCarriageReturn = c == u'\r';
        if (c == u'\r' || c == u'\n') {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    m_text.truncate(out - m_text.constData());
}
