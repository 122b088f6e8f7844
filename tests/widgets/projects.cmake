tav_test(projectwindow_test GUI SOURCES widgets/ProjectWindowTest.cpp)
