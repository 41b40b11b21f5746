#include "winhelpers/testing/AnsweringDialogs.h"

#include <QDialog>

namespace {

template<typename T> T takeFront(std::deque<T> &answers, T cancelled)
{
    if (answers.empty())
        return cancelled;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void AnsweringDialogs::messageBox(QWidget *, const Notice &notice)
{
    m_notices.push_back(notice);
}

QString AnsweringDialogs::inputBox(QWidget *, const QString &prompt, const QString &,
                                   const QString &)
{
    m_questions.push_back(prompt);
    return takeFront(m_inputAnswers, QString());
}

bool AnsweringDialogs::form(QDialog &dialog)
{
    const std::function<bool(QDialog &)> fill = takeFront(m_formAnswers, {});
    if (!fill)
        return false;
    dialog.show();
    const bool accepted = fill(dialog);
    dialog.hide();
    return accepted;
}

std::optional<ColorValue> AnsweringDialogs::chooseColor(QWidget *, ColorValue initial)
{
    m_colorsOffered.push_back(initial);
    return takeFront(m_colorAnswers, std::optional<ColorValue>());
}

QString AnsweringDialogs::chooseOpenFile(QWidget *, const QString &, const QString &folder,
                                         const QString &filter)
{
    m_filesAsked.push_back({folder, filter});
    return takeFront(m_fileAnswers, QString());
}
