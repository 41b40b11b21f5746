#pragma once

#include <QChar>
#include <QStringView>

// Look-alike symbols for digits and letters, typed in place of them while "Elite Text" is on.
// The n-th character of each table replaces the n-th character of its range.
inline constexpr QStringView EliteDigits = u"01²³456789";
inline constexpr QStringView EliteLower = u"åb¢dèƒghîjklmñºÞq®$†µvw×ýz";
inline constexpr QStringView EliteUpper = u"ÁßÇÐÊFGH‡JK£MÑØ¶QR§TÚVWX¥Z";

// The character a typed key becomes: digits and ASCII letters from the tables, anything else
// (spaces, punctuation, Backspace, Enter, characters typed directly) unchanged.
QChar EliteSubstitute(QChar typed);
