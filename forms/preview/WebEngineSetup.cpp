#include "forms/preview/WebEngineSetup.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void PrepareWebEngine()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    // The browser shares its OpenGL context with the widgets, which must be settled before the
    // application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The browser describes its OpenGL set-up at length when it starts; QT_LOGGING_RULES, which
    // overrides this, still shows it to whoever asks.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}
