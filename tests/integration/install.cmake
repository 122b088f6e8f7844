tav_test(install_test SOURCES integration/InstallTest.cpp)
target_compile_definitions(install_test PRIVATE TAV_CMAKE="${CMAKE_COMMAND}")
add_dependencies(install_test tavrolin tavrolin-driver tavadapters tavmenus tavicons)
