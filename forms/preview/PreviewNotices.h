#pragma once

#include "engine/Notice.h"

#include <QString>

// "There is no fade 2 view": the output box holds no markup to preview.
Notice NoFadeNotice();

// The output box holds a fade in a format other than HTML, which the preview cannot show.
Notice NotHtmlNotice();

// The preview file could not be written, and why.
Notice PreviewNotWrittenNotice(const QString &path, const QString &reason);
