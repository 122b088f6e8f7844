# The menu files made at build time, checked with ffprobe.
tav_test(menus_test SOURCES integration/MenuTest.cpp)
add_dependencies(menus_test tavmenus)
