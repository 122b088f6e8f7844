tav_test(driver_test SOURCES integration/DriverTest.cpp)
add_dependencies(driver_test tavrolin-driver)
