#include "forms/preview/WebEngineSetup.h"

#include <QCoreApplication>

#include <unistd.h>

void PrepareWebEngine()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The browser shares its OpenGL context with the widgets, which must be settled before the
    // application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
