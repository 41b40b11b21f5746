#include "engine/EliteText.h"

QChar EliteSubstitute(QChar typed)
{
    const char16_t code = typed.unicode();
    if (code >= u'0' && code <= u'9')
        return EliteDigits[code - u'0'];
    if (code >= u'A' && code <= u'Z')
        return EliteUpper[code - u'A'];
    if (code >= u'a' && code <= u'z')
        return EliteLower[code - u'a'];
    return typed;
}
