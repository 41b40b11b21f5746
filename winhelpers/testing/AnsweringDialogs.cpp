#include "winhelpers/testing/AnsweringDialogs.h"

#include <QDialog>

bool AnsweringDialogs::form(QDialog &dialog)
{
    const std::function<bool(QDialog &)> fill = takeFront(m_formAnswers);
    if (!fill)
        return false;
    dialog.show();
    const bool accepted = fill(dialog);
    dialog.hide();
    return accepted;
}
