#include "app/TintraProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    TintraProgram program;
    QObject::connect(&program.mainWindow(), &Tintra3::programEnded, &application,
                     &QCoreApplication::quit);
    return application.exec();
}
