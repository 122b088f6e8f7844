#include <gtest/gtest.h>

#include "pipeline/Log.h"

TEST(WriteLog, ProgressReplacesEverythingAfterTheFirstDots) {
    MemoryLog log;
    WriteLog(log, lmAdd, QStringLiteral("Datei:     a.mpg...10%"));
    WriteLog(log, lmProgress, QStringLiteral("20%"));
    EXPECT_EQ(log.lastLine(), QStringLiteral("Datei:     a.mpg...20%"));
    WriteLog(log, lmAdd, QStringLiteral("x...y...z"));
    WriteLog(log, lmProgress, QStringLiteral("w"));
    EXPECT_EQ(log.lastLine(), QStringLiteral("x...w"));
    WriteLog(log, lmAdd, QStringLiteral("ohne"));
    WriteLog(log, lmProgress, QStringLiteral("OK"));
    EXPECT_EQ(log.lastLine(), QStringLiteral("ohne...OK"));
}
