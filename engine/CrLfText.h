#pragma once

#include <QString>
#include <QStringView>

// Text put together piece by piece with every line break (CR LF, CR or LF) as the CR LF the
// engine expects, also where one piece ends between the CR and the LF of a pair.
class CrLfText
{
public:
    void append(QStringView piece);

    // The text so far, which this gives up.
    QString take() { return std::move(m_text); }

private:
    QString m_text;
    bool m_afterCarriageReturn = false;
};
