tav_test(runflow_test SOURCES unit/RunFlowTest.cpp)
