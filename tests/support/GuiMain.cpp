#include <gmock/gmock.h>
#include <QApplication>

#include "platform/Locale.h"

// Widget tests share one application object, on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
