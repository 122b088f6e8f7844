tav_test(acquisition_test SOURCES unit/AcquisitionTest.cpp)
