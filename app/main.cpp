#include "app/TintraProgram.h"
#include "forms/preview/WebEngineSetup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication application(argc, argv);
    // The font list cache lives in the program's own cache folder.
    QCoreApplication::setApplicationName(QStringLiteral("Tintra"));
    TintraProgram program;
    return application.exec();
}
