#include "app/TintraProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    TintraProgram program;
    return application.exec();
}
