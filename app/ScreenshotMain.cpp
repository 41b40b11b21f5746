#include "app/TintraProgram.h"
#include "forms/main/Tintra3.h"
#include "forms/preview/WebEngineSetup.h"

#include <QApplication>
#include <QTextStream>

// Starts the program as usual and saves a picture of its main window to the file named on the
// command line.
int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: tintra-screenshot FILE.png\n";
        return 2;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Tintra"));
    TintraProgram program;
    QCoreApplication::processEvents();
    if (!program.mainWindow().grab().save(arguments[1])) {
        QTextStream(stderr) << "tintra-screenshot: cannot write " << arguments[1] << '\n';
        return 1;
    }
    return 0;
}
