#include "host/qt/page/browser_engine.h"

#include <unistd.h>

#include <QCoreApplication>

namespace norvel::host::qt {

void prepareBrowserEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace norvel::host::qt
