tav_test(projects_test SOURCES
  unit/FakeMediaLibrary.h
  unit/ProjectFileTest.cpp
  unit/ProjectCompareTest.cpp
  unit/BurnOptionsTest.cpp)
