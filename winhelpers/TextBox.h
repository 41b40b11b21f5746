#pragma once

#include <QPlainTextEdit>

// A plain text box that takes in only the text of clipboard, selection or dropped data. Data
// without text, such as the desktop's empty clipboard, which has no formats at all, leaves the
// box and its selection as they are: Debian's Qt 6.4 reads the first format of such data
// without asking whether there is one, and crashes.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
