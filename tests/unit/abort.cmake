tav_test(abort_test SOURCES unit/AbortTest.cpp)
