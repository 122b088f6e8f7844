# The menu files made at build time, checked with ffprobe and dvdauthor.
tav_test(menus_test SOURCES integration/MenuTest.cpp integration/ToolProcess.cpp)
add_dependencies(menus_test tavmenus)
