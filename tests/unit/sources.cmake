tav_test(sources_test SOURCES
  unit/FakeMediaLibrary.h
  unit/MediaInfoTest.cpp
  unit/SourceCheckTest.cpp)
