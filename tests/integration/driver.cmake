tav_test(driver_test SOURCES integration/DriverTest.cpp)
add_dependencies(driver_test tavrolin-driver)
tav_test(resume_test SOURCES integration/ResumeTest.cpp)
add_dependencies(resume_test tavrolin-driver tavadapters)
