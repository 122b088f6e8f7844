tav_test(fault_test SOURCES unit/FaultTest.cpp)
