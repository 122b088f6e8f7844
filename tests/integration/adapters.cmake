# The helper programs in bin/, run for real on media made at test time.
tav_test(jrdmux_test SOURCES integration/JrdmuxTest.cpp integration/ToolProcess.cpp)
tav_test(besweet_test SOURCES integration/BeSweetTest.cpp integration/ToolProcess.cpp)
foreach(test jrdmux_test besweet_test)
  add_dependencies(${test} tavadapters)
endforeach()
