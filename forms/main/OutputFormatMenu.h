#pragma once

#include "engine/FadeGenerator.h"

#include <QMenu>

class QActionGroup;

// The options menu's "Output Format" submenu: every format that a pasted text can carry, in
// submenus by where it goes, one chosen at a time, the classic page fragment at start. The
// terminal's escape codes and the chat window's line have no place to be pasted to, so they
// are not offered.
class OutputFormatMenu : public QMenu
{
    Q_OBJECT

public:
    explicit OutputFormatMenu(QWidget *parent = nullptr);

    OutputFormat chosen() const;
    // Chooses the format where the menu offers it; else the chosen one stays.
    void choose(OutputFormat format);

private:
    QActionGroup *m_formats;
};
