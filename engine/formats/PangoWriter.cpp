#include "engine/formats/PangoWriter.h"

PangoWriter::PangoWriter(MarkupBuffer &out, const FadeOptions &options)
    : TaggedRunWriter(out, StyleTags(options, u'<', u'>'))
{ }
