tav_test(structure_test GUI SOURCES widgets/StructureTabTest.cpp)
