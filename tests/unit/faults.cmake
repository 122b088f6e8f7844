tav_test(fault_test SOURCES unit/FaultTest.cpp unit/FuzzTest.cpp unit/FakeMediaLibrary.h)
