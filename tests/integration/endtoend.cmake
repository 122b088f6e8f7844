tav_test(endtoend_test SOURCES integration/EndToEndTest.cpp)
