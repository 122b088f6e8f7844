tav_test(log_test SOURCES unit/LogTest.cpp)
