# The helper programs in bin/, run for real on media made at test time.
tav_test(adapter_test SOURCES integration/AdapterTest.cpp)
add_dependencies(adapter_test tavadapters)
