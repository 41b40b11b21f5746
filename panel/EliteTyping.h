#pragma once

#include <QObject>

class QPlainTextEdit;

// Elite typing in a message box: while it is on, a digit or letter typed into the box becomes
// its look-alike symbol as the key is pressed. The symbol is typed in the key's place, so it
// replaces a selection and is undone as typing is; text pasted or set by the program is never
// substituted, and keys that type nothing visible (Backspace, Enter, shortcuts) pass as they are.
class EliteTyping : public QObject
{
    Q_OBJECT

public:
    // Off until switched on.
    explicit EliteTyping(QPlainTextEdit &box);

public slots:
    void setOn(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit &m_box;
    bool m_on = false;
};
