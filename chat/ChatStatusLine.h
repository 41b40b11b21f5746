#pragma once

#include <QLineEdit>
#include <QStringList>

// The chat window's status line: the last problem on the way to the chat, and every line that
// did not get there, as plain text, to read and copy.
class ChatStatusLine : public QLineEdit
{
    Q_OBJECT

public:
    explicit ChatStatusLine(QWidget *parent = nullptr);

    void showProblem(const QString &problem);
    void keepUndelivered(const QString &text);

private:
    void showAll();

    QString m_problem;
    QStringList m_undelivered;
};
