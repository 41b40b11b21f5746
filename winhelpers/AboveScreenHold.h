#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Holds a window where the given placing puts it, such as above the screen. A window manager may
// frame a window only a while after it is shown, moving it down by its title bar, which would
// leave the frame's lower edge peeking into the screen; each such move is undone while the hold
// lasts.
class AboveScreenHold : public QObject
{
    Q_OBJECT

public:
    using Placing = std::function<void(QWidget &window)>;

    // Places the window and holds it there; holding it again places it anew, the new way.
    static void hold(QWidget &window, Placing placing);

    // Ends the hold, if any.
    static void release(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AboveScreenHold(QWidget &window);
    void place();

    QWidget &m_window;
    Placing m_placing;
    bool m_moving = false;
};
