#pragma once

#include <QString>
#include <QStringView>

// The two sides of a line break. The engine counts and writes every break as CR LF, while text
// boxes and the clipboard hold line feeds: text on its way in takes CR LF, markup on its way to
// a text box takes line feeds.

// The text with every line break (CR LF, CR or LF) as one CR LF.
QString WithCrLfBreaks(QStringView text);

// The text with every line break (CR LF, CR or LF) as one line feed.
QString WithLineFeeds(QStringView text);
