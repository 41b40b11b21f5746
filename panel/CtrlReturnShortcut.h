#pragma once

#include <QObject>

class QAbstractButton;
class QPlainTextEdit;

// Ctrl+Return, or Ctrl+Enter on the keypad, in a message box presses the button that does what
// the message is typed for, as a click would; a disabled button stays unpressed. Return alone
// still starts a new line.
class CtrlReturnShortcut : public QObject
{
    Q_OBJECT

public:
    CtrlReturnShortcut(QPlainTextEdit &box, QAbstractButton &button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit &m_box;
    QAbstractButton &m_button;
};
