# The helper programs in bin/, run for real on media made at test time.
tav_test(helper_test SOURCES integration/HelperTest.cpp)
tav_test(burner_test SOURCES integration/BurnerTest.cpp)
foreach(test helper_test burner_test)
  add_dependencies(${test} tavadapters)
endforeach()
