tav_test(tools_test SOURCES unit/ToolSearchTest.cpp)
