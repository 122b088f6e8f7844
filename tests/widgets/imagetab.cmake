tav_test(imagetab_test GUI SOURCES widgets/ImageTabTest.cpp)
