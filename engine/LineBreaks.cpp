#include "engine/LineBreaks.h"

#include "engine/CrLfText.h"

using namespace Qt::StringLiterals;

QString WithCrLfBreaks(QStringView text)
{
    CrLfText withBreaks;
    withBreaks.append(text);
    return withBreaks.take();
}

QString WithLineFeeds(QStringView text)
{
    return text.toString().replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}
