# Runs with the real tools: the media library, end to end, step by step, the run's log; the menu files.
tav_test(run_test SOURCES integration/RunTest.cpp)
add_dependencies(run_test tavadapters tavmenus)
