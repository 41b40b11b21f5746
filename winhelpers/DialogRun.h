#pragma once

#include <QDialog>
#include <QPointer>

#include <optional>
#include <utility>

// Runs the dialog until it is answered; true when it was accepted. Meanwhile the program's other
// windows take no input, as under a modal dialog, but they can still be closed: Qt drops the
// window system's close request for a window that a modal dialog blocks, so the program could
// not end while a dialog was open. Closing a window the dialog belongs to cancels it first.
bool RunDialog(QDialog &dialog);

// Runs a dialog made for this one run, which it deletes afterwards unless its window took it
// along; gives what answer reads from the accepted dialog, or none when it was cancelled.
template<typename Dialog, typename Answer>
auto RunDialog(Dialog *dialog, Answer &&answer)
    -> std::optional<decltype(answer(std::as_const(*dialog)))>
{
    const QPointer<Dialog> running(dialog);
    std::optional<decltype(answer(std::as_const(*dialog)))> answered;
    if (RunDialog(*dialog) && running)
        answered = answer(std::as_const(*running));
    delete running.data();
    return answered;
}

// Runs a dialog that only tells something, made for this one run, and deletes it afterwards.
inline void RunDialog(QDialog *dialog)
{
    RunDialog(dialog, [](const QDialog &) { return true; });
}
