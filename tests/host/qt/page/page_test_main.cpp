// The page view tests run inside one QApplication, on the offscreen platform unless told
// otherwise (test discovery runs this too, outside ctest's environment).
#include <gtest/gtest.h>

#include <QApplication>

#include "host/qt/page/browser_engine.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    norvel::host::qt::prepareBrowserEngine();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
