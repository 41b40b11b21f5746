#pragma once

#include "engine/ColorValue.h"

#include <QString>

// The preview file's first line in each of its forms: the opening tags, with the page's
// background when one was chosen.

QString PlainOpeningLine();

// BGCOLOR="#RRGGBB"
QString ColorOpeningLine(ColorValue color);

// BACKGROUND="file:///..." with the picture's name percent-encoded, so that no character of a
// file name (blank, quotation mark, "#", "%", "&", non-ASCII) can end the attribute or change
// which file the browser opens.
QString PictureOpeningLine(const QString &fileName);

// BGCOLOR="white"
QString WhiteOpeningLine();

// The picture's file name as a URL that is safe between quotation marks in markup.
QString PictureUrl(const QString &fileName);
