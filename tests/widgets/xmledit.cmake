tav_test(xmledit_test GUI SOURCES widgets/XmlEditTest.cpp)
