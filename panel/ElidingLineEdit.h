#pragma once

#include <QLineEdit>

// A line edit that, while it does not have the focus, shows a text too wide for it from its
// start, ended by an ellipsis; with the focus it scrolls to the cursor as usual.
class ElidingLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // The text as shown.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRoom() const;
};
