tav_test(general_test GUI SOURCES widgets/GeneralTabTest.cpp)
