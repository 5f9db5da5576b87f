# LandXML read and written (the desktop's files over the Qt-free reader, no window).
add_executable(landxml_tests landxml_test.cpp landxml_profile_test.cpp)
target_link_libraries(landxml_tests PRIVATE capset_landxml GTest::gtest_main)
target_compile_definitions(landxml_tests PRIVATE CAPSET_LANDXML_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml")
capset_tests(landxml_tests)
