tav_test(dialogs_test GUI SOURCES widgets/QtDialogsTest.cpp)
