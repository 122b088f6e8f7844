#include <gmock/gmock.h>
#include <QCoreApplication>

#include "platform/Locale.h"

// Unit tests run with an application object, so tool runs and timers can use
// event loops.
int main(int argc, char** argv) {
    PrepareProcessEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
