#include "engine/EliteText.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

// The substitutes by their windows-1252 codes; three of them lie outside Latin-1.
QChar fromWindows1252(uchar code)
{
    switch (code) {
    case 0x83:
        return QChar(0x0192); // ƒ
    case 0x86:
        return QChar(0x2020); // †
    case 0x87:
        return QChar(0x2021); // ‡
    default:
        return QChar(char16_t(code));
    }
}

} // namespace

TEST(EliteSubstitute, ReplacesDigitsAndLettersByTheirTableCodes)
{
    const struct
    {
        char first;
        std::vector<uchar> codes;
    } ranges[] = {
        {'0', {0x30, 0x31, 0xB2, 0xB3, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39}},
        {'a', {0xE5, 0x62, 0xA2, 0x64, 0xE8, 0x83, 0x67, 0x68, 0xEE, 0x6A, 0x6B, 0x6C, 0x6D,
               0xF1, 0xBA, 0xDE, 0x71, 0xAE, 0x24, 0x86, 0xB5, 0x76, 0x77, 0xD7, 0xFD, 0x7A}},
        {'A', {0xC1, 0xDF, 0xC7, 0xD0, 0xCA, 0x46, 0x47, 0x48, 0x87, 0x4A, 0x4B, 0xA3, 0x4D,
               0xD1, 0xD8, 0xB6, 0x51, 0x52, 0xA7, 0x54, 0xDA, 0x56, 0x57, 0x58, 0xA5, 0x5A}},
    };
    for (const auto &range : ranges) {
        for (std::size_t i = 0; i < range.codes.size(); ++i) {
            const QChar typed(char16_t(range.first + i));
            EXPECT_EQ(EliteSubstitute(typed), fromWindows1252(range.codes[i]))
                << char(range.first + i);
        }
    }
}

TEST(EliteSubstitute, LeavesEverythingElseAlone)
{
    for (const char16_t typed :
         {u' ', u'!', u'@', u'`', u'{', u'\b', u'\r', u'\n', u'é', u'[', u'/', u'ñ', u'€'})
        EXPECT_EQ(EliteSubstitute(QChar(typed)), QChar(typed)) << int(typed);
}

TEST(EliteSubstitute, TurnsHiTwoYouIntoItsEliteForm)
{
    QString typed;
    for (const QChar key : QStringView(u"Hi 2u"))
        typed += EliteSubstitute(key);
    EXPECT_EQ(typed, QStringView(u"Hî ²µ"));
}
