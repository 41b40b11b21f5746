#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <functional>

class QRandomGenerator;
class QWidget;
class QWindow;

// A restless user of a program's windows, drawing every move from one generator so that a seed
// repeats a run as far as the program's timing allows: clicks, double clicks and drags at random
// points of the windows in view, of their controls and text boxes (open lists and menus among
// them), keys, the clipboard's too, text in many scripts, a clipboard now empty, now cleared,
// now filled, and what the window manager does to a window: resize, maximise, minimise, restore
// and close it, any window but the main one, whose closing ends the program.
class Monkey
{
public:
    // Hears of each move before it is made, so that a crash during the move can name it.
    using Announce = std::function<void(const QString &move)>;

    Monkey(QWidget &mainWindow, QRandomGenerator &random, Announce announce);

    // Makes one move and lets the program handle what it caused. Returns what the move broke,
    // if anything: a paste from a clipboard without data, or with data in no format (the
    // desktop's clipboard before anyone copies), must leave the text box as it was.
    QString act();

private:
    void point(QWidget &window);
    QString press();
    void type();
    void fillClipboard();
    void changeWindow();
    void strike(QKeyCombination key, const QString &text);
    QWindow *keyWindow() const;
    QString randomText();
    int below(qsizetype bound);
    template<typename T> T *any(const QList<T *> &items)
    {
        return items.value(below(items.size()));
    }

    QWidget &m_mainWindow;
    QRandomGenerator &m_random;
    const Announce m_announce;
    // Runs while a move is made, to answer a menu that holds the move up.
    QTimer m_menuAnswerer;
};
