# Extraction in the window with the real rip helper on images made at test time.
tav_test(rip_test GUI SOURCES integration/RipTest.cpp)
add_dependencies(rip_test tavadapters)
