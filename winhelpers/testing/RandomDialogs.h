#pragma once

#include "winhelpers/testing/AnsweringDialogs.h"

#include <QStringList>

class QRandomGenerator;

// Dialogs answered at random, as a hurried user answers them: an input box with a count or
// something that is none, a chooser with a colour or one of the given files, or a cancel. The
// rest is answered as AnsweringDialogs answers it.
class RandomDialogs : public AnsweringDialogs
{
public:
    RandomDialogs(QRandomGenerator &random, QStringList files);

    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    std::optional<ColorValue> chooseColor(QWidget *parent, ColorValue initial) override;
    QString chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                           const QString &filter) override;

private:
    QRandomGenerator &m_random;
    const QStringList m_files;
};
