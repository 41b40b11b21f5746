#include "winhelpers/testing/RandomDialogs.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

RandomDialogs::RandomDialogs(QRandomGenerator &random, QStringList files)
    : m_random(random)
    , m_files(std::move(files))
{ }

QString RandomDialogs::inputBox(QWidget *, const QString &, const QString &, const QString &)
{
    // A draw past the list answers with nothing, as a cancelled input box does.
    const QStringList answers =
        u"1 3 80 0 -3 2.5 abc ٣ 99999999999999 %1"_s.arg(m_random.bounded(2000)).split(u' ');
    return answers.value(m_random.bounded(int(answers.size()) + 1));
}

std::optional<ColorValue> RandomDialogs::chooseColor(QWidget *, ColorValue)
{
    return m_random.bounded(3) ? std::optional(m_random.bounded(0x1000000)) : std::nullopt;
}

QString RandomDialogs::chooseOpenFile(QWidget *, const QString &, const QString &, const QString &)
{
    return m_files.value(m_random.bounded(int(m_files.size()) + 1));
}
