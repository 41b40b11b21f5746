// Renders the preview of a fragment over a coloured background to a PNG:
//   tintra-preview-screenshot OUTPUT.png FRAGMENT [RRGGBB]
#include "engine/RandomSource.h"
#include "forms/preview/Tinta2.h"
#include "forms/preview/ViewHtmlFade.h"
#include "forms/preview/WebEngineSetup.h"
#include "winhelpers/Services.h"
#include "winhelpers/testing/AnsweringDialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>

namespace {

bool waitForLoad(QWebEngineView &view)
{
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    return loaded.wait(10000) && loaded.constFirst().constFirst().toBool();
}

} // namespace

int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: tintra-preview-screenshot OUTPUT.png FRAGMENT [RRGGBB]\n");
        return 2;
    }
    const QString background = arguments.value(3, QStringLiteral("FFF4D6"));
    const int rgb = background.toInt(nullptr, 16);

    QTemporaryDir folder;
    AnsweringDialogs dialogs;
    RandomSource random(1);
    Services services(dialogs, random);
    QWidget mainWindow;
    Tinta2 *preview =
        ViewHtmlFade(mainWindow, arguments.at(2), services, false, PreviewFile(folder.path()));
    if (!preview || !waitForLoad(*preview->browser())) {
        std::fprintf(stderr, "tintra-preview-screenshot: the preview did not load\n");
        return 1;
    }
    dialogs.answerColor(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    if (!waitForLoad(*preview->browser()))
        return 1;
    // Give the compositor a moment to put the new frame on screen.
    QTest::qWait(500);
    if (!preview->grab().save(arguments.at(1))) {
        std::fprintf(stderr, "tintra-preview-screenshot: could not write %s\n",
                     qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
