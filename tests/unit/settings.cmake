tav_test(settings_test SOURCES unit/IniFileTest.cpp unit/SettingsTest.cpp unit/ProgramFoldersTest.cpp)
