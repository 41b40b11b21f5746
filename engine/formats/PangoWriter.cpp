#include "engine/formats/PangoWriter.h"

PangoWriter::PangoWriter(MarkupBuffer &out, const FadeOptions &options)
    : StreamedWriter(out, StyleTags(options, u'<', u'>'))
{ }
