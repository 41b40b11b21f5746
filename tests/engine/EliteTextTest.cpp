#include "engine/EliteText.h"

#include <QString>

#include <gtest/gtest.h>

TEST(EliteSubstitute, ReplacesDigitsAndLettersAndLeavesEverythingElse)
{
    QString typed;
    for (const QChar key : QStringView(u"Hi 2u sI ftA9 Zz"))
        typed += EliteSubstitute(key);
    // f, t and I become the windows-1252 characters 83, 86 and 87, outside Latin-1.
    EXPECT_EQ(typed, QStringView(u"Hî ²µ $‡ ƒ†Á9 Zz"));
    for (const char16_t other :
         {u'!', u'@', u'`', u'{', u'\b', u'\r', u'\n', u'é', u'[', u'/', u'ñ', u'€'})
        EXPECT_EQ(EliteSubstitute(QChar(other)), QChar(other)) << int(other);
}
