# The XML reader alone (no toolkit), and against the toolkit's own reader.
add_executable(xmlread_tests xmlread/xml_reader_test.cpp)
target_include_directories(xmlread_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(xmlread_tests PRIVATE capset_xmlread GTest::gtest_main)
capset_tests(xmlread_tests)

add_executable(xmlread_qt_tests xmlread/xml_differential_test.cpp xmlread/landxml_core_test.cpp)
target_include_directories(xmlread_qt_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(xmlread_qt_tests PRIVATE capset_landxml Qt6::Core GTest::gtest_main)
target_compile_definitions(xmlread_qt_tests PRIVATE CAPSET_LANDXML_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml")
capset_tests(xmlread_qt_tests)
