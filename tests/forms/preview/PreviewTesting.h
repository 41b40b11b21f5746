#pragma once

#include "engine/RandomSource.h"
#include "forms/preview/PreviewFile.h"
#include "tests/testing/TestFiles.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QByteArray>
#include <QColor>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

class QWebEngineView;
class Tinta2;

// What the file holds after "View HTML Fade" with the given opening line and fragment bytes.
QByteArray PageBytes(const QByteArray &line1, const QByteArray &fragment);

// Waits, at most a few seconds, until the page under way has loaded, however many refused
// attempts to leave it report their failure meanwhile.
bool WaitForLoad(QWebEngineView &view);

// The colour a user sees at a point of the view once it has settled, within a few seconds.
QColor SettledPixel(QWebEngineView &view, QPoint point, QColor expected);

// The text the page shows.
QString ShownText(QWebEngineView &view);

// A main window, its services and a preview file in a folder of its own.
class PreviewFixture : public testing::Test
{
protected:
    PreviewFixture() { mainWindow.resize(200, 100); }

    Tinta2 *view(const QString &outputText, bool stayOnTop = false);
    Tinta2 *viewAndLoad(const QString &outputText);
    void click(Tinta2 &preview, const char *button);
    QByteArray fileBytes() const { return ReadBytes(file.path()); }

    QTemporaryDir folder;
    PreviewFile file {folder.path()};
    AnsweringDialogs dialogs;
    RandomSource random {1};
    Services services {dialogs, random};
    QWidget mainWindow;
};
