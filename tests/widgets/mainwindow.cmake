tav_test(mainwindow_test GUI SOURCES widgets/MainWindowTest.cpp)
