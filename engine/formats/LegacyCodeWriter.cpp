#include "engine/formats/LegacyCodeWriter.h"

using namespace Qt::StringLiterals;

namespace {

QChar markOf(LegacyCodes codes)
{
    return codes == LegacyCodes::Section ? u'§' : u'&';
}

QString styleCodes(const FadeOptions &options, QChar mark)
{
    QString codes;
    const std::pair<bool, QChar> styles[] = {
        {options.bold, u'l'}, {options.italic, u'o'}, {options.underline, u'n'}};
    for (const auto &[on, code] : styles) {
        if (on)
            codes += QString(mark) + code;
    }
    return codes;
}

} // namespace

std::optional<QString> LegacyCodeProblem(QStringView message, LegacyCodes codes)
{
    if (!message.contains(u'§'))
        return std::nullopt;
    static const QString names[] = {u"amp-hex"_s, u"amp-x"_s, u"section"_s};
    return u"the message cannot be written in %1: it holds \"§\", which the game reads as the "
           "start of a colour code and never shows"_s.arg(names[int(codes)]);
}

LegacyCodeWriter::LegacyCodeWriter(MarkupBuffer &out, const FadeOptions &options, LegacyCodes codes)
    : StreamedWriter(out, {})
    , m_codes(codes)
    , m_mark(markOf(codes))
    , m_reset(QString(m_mark) + u'r')
    , m_style(styleCodes(options, m_mark))
{ }

void LegacyCodeWriter::writeColor(MarkupBuffer::Cursor &cursor, ColorValue color) const
{
    if (m_codes == LegacyCodes::AmpHex) {
        cursor << u"&#";
        cursor.hex6(color, LowerHexPairs);
        return;
    }
    char16_t digits[6];
    WriteHex6(color, digits, LowerHexPairs);
    const char16_t mark = m_mark.unicode();
    const char16_t code[] = {mark, u'x',      mark, digits[0], mark, digits[1], mark, digits[2],
                             mark, digits[3], mark, digits[4], mark, digits[5]};
    cursor << QStringView(code, std::size(code));
}
