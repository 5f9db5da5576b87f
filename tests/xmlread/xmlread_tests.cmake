# The XML reader and the LandXML rules without the toolkit (this program
# links no Qt), then against the toolkit's own reader and the desktop's.
add_executable(xmlread_tests xmlread/xml_reader_test.cpp xmlread/landxml_reading_test.cpp)
target_include_directories(xmlread_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(xmlread_tests PRIVATE capset_landxml_core GTest::gtest_main)
target_compile_definitions(xmlread_tests PRIVATE CAPSET_LANDXML_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml")
capset_tests(xmlread_tests)

add_executable(xmlread_qt_tests xmlread/xml_differential_test.cpp xmlread/landxml_core_test.cpp)
target_include_directories(xmlread_qt_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(xmlread_qt_tests PRIVATE capset_landxml Qt6::Core GTest::gtest_main)
target_compile_definitions(xmlread_qt_tests PRIVATE CAPSET_LANDXML_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml")
capset_tests(xmlread_qt_tests)
