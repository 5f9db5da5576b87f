# LandXML read and written (the desktop's files over the Qt-free reader, no window).
add_executable(landxml_tests landxml_test.cpp landxml_profile_test.cpp)
target_link_libraries(landxml_tests PRIVATE capset_landxml GTest::gtest_main)
target_compile_definitions(landxml_tests PRIVATE CAPSET_LANDXML_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml")
capset_tests(landxml_tests)
# The Qt-free writer and the reading of decoded texts alone: no toolkit in them.
add_executable(landxml_write_tests landxml_write_test.cpp landxml_decoded_test.cpp)
target_link_libraries(landxml_write_tests PRIVATE capset_landxml_core GTest::gtest_main)
target_compile_definitions(landxml_write_tests PRIVATE CAPSET_LANDXML_WRITTEN="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml_written")
capset_tests(landxml_write_tests)
