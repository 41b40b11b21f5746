#include "winhelpers/TextBox.h"

#include <QMimeData>

bool TextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && !source->text().isEmpty();
}

// The text alone goes in, so Qt's own reading of the data's formats never runs.
void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (canInsertFromMimeData(source))
        insertPlainText(source->text());
}
