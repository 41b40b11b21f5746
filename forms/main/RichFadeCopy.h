#pragma once

#include "engine/FadeGenerator.h"

#include <QMimeData>

#include <memory>

// What COPY puts on the clipboard from the output box: the text, and for a fade of HTML or RTF
// copied whole, that fade as HTML and as RTF too, written again from its colours, so word
// processors, mail programs and web editors all paste it in colour. A part of HTML goes as
// HTML as well; a part of RTF, which no reader takes, as text alone.
class RichFadeCopy
{
public:
    // Whether a fade in the format goes on the clipboard in the rich formats too.
    static bool takes(OutputFormat format);

    // The fade the output box now shows as shown; a fade not done leaves no rich copy.
    void remember(const FadeRequest &request, const FadeResult &fade, const QString &shown);

    std::unique_ptr<QMimeData> mimeData(const QString &selected, const QString &boxText) const;

private:
    FadeRequest m_request; // the page fragment at start, with no fade behind it
    QList<ColorValue> m_colors;
    QString m_shown;
    bool m_faded = false;
};
