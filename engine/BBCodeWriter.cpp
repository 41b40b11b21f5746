#include "engine/BBCodeWriter.h"

using namespace Qt::StringLiterals;

namespace {

QList<TagPair> formatTags(const FadeOptions &options)
{
    QList<TagPair> tags;
    // A bracket in the face would end its tag, and BBCode has no way to escape one.
    QString face = options.fontFace;
    face.removeIf(
        [](QChar c) { return c == u'[' || c == u']' || c.category() == QChar::Other_Control; });
    if (!face.isEmpty())
        tags.append({u"[font="_s + face + u']', u"[/font]"_s});
    if (const std::optional<int> size = FontSizeNumber(options.fontSize))
        tags.append({u"[size=%1]"_s.arg(*size), u"[/size]"_s});
    tags.append(StyleTags(options, u'[', u']'));
    return tags;
}

} // namespace

BBCodeWriter::BBCodeWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, formatTags(options))
{ }
