#include "engine/formats/TextComponentWriter.h"

using namespace Qt::StringLiterals;

namespace {

// ",\"bold\":true" and the others, each with the comma that puts it after the colour.
QString styleFlags(const FadeOptions &options)
{
    QString flags;
    const std::pair<bool, QString> styles[] = {{options.bold, u"bold"_s},
                                               {options.italic, u"italic"_s},
                                               {options.underline, u"underlined"_s}};
    for (const auto &[on, name] : styles) {
        if (on)
            flags += u",\""_s + name + u"\":true"_s;
    }
    return flags;
}

// The start of a component without colour: its flags without the comma that would follow a
// colour.
QString plainStart(const QString &flags)
{
    const QString leading = flags.isEmpty() ? QString() : flags.sliced(1) + u',';
    return u",{"_s + leading + u"\"text\":\""_s;
}

// "\u00XX" for each control character, six characters each.
constexpr auto ControlEscapes = [] {
    std::array<std::array<char16_t, 6>, 0x20> table {};
    constexpr char16_t digits[] = u"0123456789abcdef";
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = {u'\\', u'u', u'0', u'0', digits[c >> 4], digits[c & 0xF]};
    return table;
}();

} // namespace

QStringView JsonEscape(char16_t c)
{
    if (c < 0x20)
        return QStringView(ControlEscapes[c].data(), 6);
    switch (c) {
    case u'"':
        return u"\\\"";
    case u'\\':
        return u"\\\\";
    case u'\u2028':
        return u"\\u2028";
    case u'\u2029':
        return u"\\u2029";
    // Some readers (Qt's among them) drop a raw byte order mark that opens a string.
    case u'\uFEFF':
        return u"\\ufeff";
    default:
        return {};
    }
}

TextComponentWriter::TextComponentWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, {})
    , m_colorTail(u"\""_s + styleFlags(options) + u",\"text\":\""_s)
    , m_plainStart(plainStart(styleFlags(options)))
{ }
