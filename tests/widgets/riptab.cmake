tav_test(riptab_test GUI SOURCES widgets/RipTabTest.cpp)
