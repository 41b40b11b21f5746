#include "winhelpers/DialogRun.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>

namespace {

bool isWithin(const QObject *object, const QObject &ancestor)
{
    for (; object; object = object->parent()) {
        if (object == &ancestor)
            return true;
    }
    return false;
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// Keeps the user's input away from everything outside the dialog and cancels the dialog when a
// window it belongs to is closing.
class OtherWindowsGuard : public QObject
{
public:
    explicit OtherWindowsGuard(QDialog &dialog)
        : m_dialog(&dialog)
    {
        qApp->installEventFilter(this);
    }

protected:
    // The windows hand their input on to their widgets, where it is told apart.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_dialog || watched->isWindowType() || isWithin(watched, *m_dialog))
            return false;
        if (event->type() == QEvent::Close && isWithin(m_dialog, *watched))
            m_dialog->reject();
        // Taken as a key for the widget outside, which then never sees it, so it fires no
        // shortcut there either.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        return isUserInput(event->type());
    }

private:
    QPointer<QDialog> m_dialog;
};

} // namespace

bool RunDialog(QDialog &dialog)
{
    const QPointer<QDialog> running(&dialog);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(&dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    {
        const OtherWindowsGuard guard(dialog);
        dialog.setWindowModality(Qt::NonModal);
        dialog.show();
        dialog.raise();
        dialog.activateWindow();
        loop.exec(QEventLoop::DialogExec);
    }
    return running && running->result() == QDialog::Accepted;
}
