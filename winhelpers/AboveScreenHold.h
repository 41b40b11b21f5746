#pragma once

#include <QObject>

class QWidget;

// Holds a window that waits above the screen there, centred horizontally. A window manager may
// frame a window only a while after it is shown, moving it down by its title bar, which would
// leave the frame's lower edge peeking into the screen; each such move is undone while the hold
// lasts.
class AboveScreenHold : public QObject
{
    Q_OBJECT

public:
    // Places the window above the screen and holds it there; holding it twice is holding it once.
    static void hold(QWidget &window);

    // Ends the hold, if any.
    static void release(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AboveScreenHold(QWidget &window);
    void place();

    QWidget &m_window;
    bool m_placing = false;
};
