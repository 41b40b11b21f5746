#pragma once

#include "winhelpers/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

// Dialogs for tests: records what the program showed and asked, and answers from queues. An
// unanswered input box or chooser is cancelled.
class AnsweringDialogs : public Dialogs
{
public:
    void answerInput(QString text) { m_inputAnswers.push_back(std::move(text)); }
    void answerColor(std::optional<ColorValue> color) { m_colorAnswers.push_back(color); }
    void answerOpenFile(QString fileName) { m_fileAnswers.push_back(std::move(fileName)); }
    // Fills in the next form, shown but not modal, and says whether it is accepted.
    void answerForm(std::function<bool(QDialog &)> fill)
    {
        m_formAnswers.push_back(std::move(fill));
    }

    const std::vector<Notice> &notices() const { return m_notices; }
    // The prompts of the input boxes shown.
    const std::vector<QString> &questions() const { return m_questions; }
    // The colours the colour chooser opened at.
    const std::vector<ColorValue> &colorsOffered() const { return m_colorsOffered; }
    // The folder and the filter of each file chooser opened.
    const std::vector<std::pair<QString, QString>> &filesAsked() const { return m_filesAsked; }

    void messageBox(QWidget *, const Notice &notice) override { m_notices.push_back(notice); }
    QString inputBox(QWidget *, const QString &prompt, const QString &, const QString &) override
    {
        m_questions.push_back(prompt);
        return takeFront(m_inputAnswers);
    }
    // Asked as an input box with no default text, and answered from the same queue.
    QString passwordBox(QWidget *parent, const QString &prompt, const QString &title) override
    {
        return AnsweringDialogs::inputBox(parent, prompt, title, QString());
    }
    // An unanswered form is cancelled.
    bool form(QDialog &dialog) override;
    std::optional<ColorValue> chooseColor(QWidget *, ColorValue initial) override
    {
        m_colorsOffered.push_back(initial);
        return takeFront(m_colorAnswers);
    }
    QString chooseOpenFile(QWidget *, const QString &, const QString &folder,
                           const QString &filter) override
    {
        m_filesAsked.push_back({folder, filter});
        return takeFront(m_fileAnswers);
    }
    // Answered from the same queue as the open-file chooser.
    QString chooseSaveFile(QWidget *parent, const QString &title, const QString &folder,
                           const QString &filter) override
    {
        return AnsweringDialogs::chooseOpenFile(parent, title, folder, filter);
    }

private:
    // The first answer of the queue; an empty one is a cancel.
    template<typename T> static T takeFront(std::deque<T> &answers)
    {
        if (answers.empty())
            return T();
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    std::deque<QString> m_inputAnswers;
    std::deque<std::optional<ColorValue>> m_colorAnswers;
    std::deque<QString> m_fileAnswers;
    std::deque<std::function<bool(QDialog &)>> m_formAnswers;
    std::vector<Notice> m_notices;
    std::vector<QString> m_questions;
    std::vector<ColorValue> m_colorsOffered;
    std::vector<std::pair<QString, QString>> m_filesAsked;
};
