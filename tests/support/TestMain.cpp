#include <gmock/gmock.h>

#include "platform/Locale.h"

#ifdef TAV_WINDOW_TESTS
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

// Every test program has an application object, so tool runs and timers can use
// event loops; the window tests share one on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareProcessEnvironment();
    Application app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
