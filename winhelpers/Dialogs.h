#pragma once

#include "engine/ColorValue.h"
#include "engine/Notice.h"

#include <QString>

#include <optional>

class QDialog;
class QWidget;

// The modal dialogs of the program, behind one interface so tests can answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button; returns when it is closed.
    virtual void messageBox(QWidget *parent, const Notice &notice) = 0;

    // The typed text, or an empty text when the box is cancelled.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;

    // The typed password, hidden as it is typed, or an empty text when the box is cancelled.
    virtual QString passwordBox(QWidget *parent, const QString &prompt, const QString &title) = 0;

    // Runs a form of the caller's own, modal, until it is answered; true when it was accepted.
    virtual bool form(QDialog &dialog) = 0;

    // The chosen colour, or none when the chooser is cancelled.
    virtual std::optional<ColorValue> chooseColor(QWidget *parent, ColorValue initial) = 0;

    // The chosen file's name, or an empty text when the chooser is cancelled. The chooser
    // opens in folder.
    virtual QString chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                   const QString &filter) = 0;

    // The name to save a file as, or an empty text when the chooser is cancelled.
    virtual QString chooseSaveFile(QWidget *parent, const QString &title, const QString &folder,
                                   const QString &filter) = 0;
};
