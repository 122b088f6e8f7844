tav_test(mpegtab_test GUI SOURCES widgets/MpegTabTest.cpp)
