#pragma once

#include "engine/ColorValue.h"

#include <QList>
#include <QWidget>

class Dialogs;
class FaderPanel;
class QListWidget;
class QPushButton;

// The small window in which the stops of Stops Fade are edited: the stops as swatches in order,
// a new stop added after the chosen one (up to ten), the chosen one removed (down to two) or
// moved up or down, and a double click or Enter on a stop opens the colour chooser. The first
// three stops are colours 1 to 3 on the main window's bars, so each follows the other.
class StopsEditor : public QWidget
{
    Q_OBJECT

public:
    StopsEditor(FaderPanel &panel, Dialogs &dialogs, QWidget &window);

    // Shows the stops as they stand and brings the window up.
    void showStops();

private:
    void refresh();
    void changeStops(const QList<Rgb> &stops, int chosen);
    void addStop();
    void removeStop();
    void moveStop(int by);
    void chooseColor(int row);
    void enableButtons();

    FaderPanel &m_panel;
    Dialogs &m_dialogs;
    QListWidget *m_list;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_up;
    QPushButton *m_down;
};
