tav_test(chapters_test SOURCES unit/ChaptersTest.cpp)
