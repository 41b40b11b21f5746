#include "engine/formats/StreamedWriter.h"

QList<TagPair> StyleTags(const FadeOptions &options, QChar open, QChar close, bool closed)
{
    QList<TagPair> tags;
    const std::pair<bool, QChar> styles[] = {
        {options.bold, u'b'}, {options.italic, u'i'}, {options.underline, u'u'}};
    for (const auto &[on, name] : styles) {
        if (!on)
            continue;
        const QChar opening[] = {open, name, close};
        const QChar closing[] = {open, u'/', name, close};
        tags.append({QString(opening, 3), closed ? QString(closing, 4) : QString()});
    }
    return tags;
}

QStringView HtmlEscape(char16_t c)
{
    switch (c) {
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'&':
        return u"&amp;";
    case u'"':
        return u"&quot;";
    default:
        return {};
    }
}
