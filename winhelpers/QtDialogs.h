#pragma once

#include "winhelpers/Dialogs.h"

// The dialogs as the user sees them: Qt's message box, input dialog, colour and file choosers.
class QtDialogs : public Dialogs
{
public:
    void messageBox(QWidget *parent, const Notice &notice) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    QString passwordBox(QWidget *parent, const QString &prompt, const QString &title) override;
    bool form(QDialog &dialog) override;
    std::optional<ColorValue> chooseColor(QWidget *parent, ColorValue initial) override;
    QString chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                           const QString &filter) override;
    QString chooseSaveFile(QWidget *parent, const QString &title, const QString &folder,
                           const QString &filter) override;
};
