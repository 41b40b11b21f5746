#include "engine/formats/MiniMessageWriter.h"

MiniMessageWriter::MiniMessageWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, StyleTags(options, u'<', u'>', false))
{ }
