#pragma once

#include "forms/preview/PreviewFile.h"

#include <QString>

class QWidget;
class Tinta2;
struct Services;

// "View HTML Fade": checks that the embedded browser can run here and that the output box holds
// markup, writes the preview file and opens the preview window over the main window, or, when
// the preview is already open, rewrites the file and only brings the window forward. The
// preview stays on top when stayOnTop (the main window's "Form Stay On Top" check mark) is set.
// Refusals and failures are shown in message boxes; the output text is never changed.
// Returns the preview window, or none when nothing was previewed.
Tinta2 *ViewHtmlFade(QWidget &mainWindow, const QString &outputText, const Services &services,
                     bool stayOnTop, const PreviewFile &file);
