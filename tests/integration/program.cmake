# The program as a process: the headless driver, the resume proof, the installed program.
tav_test(program_test SOURCES integration/ProgramTest.cpp)
target_compile_definitions(program_test PRIVATE TAV_CMAKE="${CMAKE_COMMAND}")
add_dependencies(program_test tavrolin tavrolin-driver tavadapters tavmenus tavicons)
