#pragma once

#include <QObject>

class QPlainTextEdit;

// Tab and Shift+Tab in a text box move the focus on to the next or previous control, as they do
// in a dialog, instead of typing; Ctrl+Tab types a tab character.
class TabMovesFocus : public QObject
{
    Q_OBJECT

public:
    explicit TabMovesFocus(QPlainTextEdit &box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit &m_box;
};
