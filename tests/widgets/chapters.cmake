tav_test(chaptertab_test GUI SOURCES widgets/ChapterTabTest.cpp)
tav_test(chapterplayer_test GUI SOURCES widgets/ChapterPlayerTest.cpp)
