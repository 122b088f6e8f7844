tav_test(sourcetable_test SOURCES unit/SourceTableTest.cpp)
