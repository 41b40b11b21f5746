#pragma once

#include "presets/PresetStore.h"

#include <QObject>

#include <functional>

class Dialogs;
class QMenu;
class QWidget;

// The "Presets" submenu of the main window's options menu: the built-in presets and the user's
// own to choose, saving the window's settings as a preset, renaming and deleting the user's,
// and importing and exporting a preset file to share. It reads the file afresh each time it
// opens, so that presets another program saved show; lines of the file that hold no preset are
// said once.
class PresetsMenu : public QObject
{
    Q_OBJECT

public:
    // current gives the window's settings, apply sets them.
    PresetsMenu(QMenu &optionsMenu, QWidget &window, Dialogs &dialogs, PresetStore store,
                std::function<Preset()> current, std::function<void(const Preset &)> apply);

private:
    void rebuild();
    void tellUnreadable();
    void saveCurrent();
    void rename(const QString &name);
    void importFile();
    void exportFile();
    void tellProblem(const std::optional<QString> &problem);

    QMenu *m_menu;
    QWidget &m_window;
    Dialogs &m_dialogs;
    PresetStore m_store;
    std::function<Preset()> m_current;
    std::function<void(const Preset &)> m_apply;
    qsizetype m_unreadable = 0;
    bool m_unreadableTold = false;
};
