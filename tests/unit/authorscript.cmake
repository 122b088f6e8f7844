tav_test(authorscript_test SOURCES unit/AuthorScriptTest.cpp)
