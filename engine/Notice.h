#pragma once

#include <QString>

// The two icons of the program's message boxes, by their codes.
enum class NoticeIcon { Critical = 16, Question = 32 };

// A message the user is shown in a modal box with an OK button.
struct Notice
{
    QString text;
    NoticeIcon icon = NoticeIcon::Critical;
    QString title;

    friend bool operator==(const Notice &, const Notice &) = default;
};
