tav_test(runlog_test SOURCES unit/RunLogTest.cpp)
