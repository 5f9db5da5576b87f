# Tests of the Qt side, run on the offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

# The replay harness: the real window behind a scripted prompt and a printing
# reporter. The library serves the tests; cap_replay runs scripts from stdin.
add_library(capset_replay STATIC
  harness/replay.cpp
  harness/replay_seam.cpp
)
target_include_directories(capset_replay PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/harness)
target_link_libraries(capset_replay PUBLIC capset_window)

add_executable(cap_replay harness/cap_replay_main.cpp)
target_link_libraries(cap_replay PRIVATE capset_replay)

add_executable(window_tests
  window_test_main.cpp
  form1_test.cpp
  number_reader_test.cpp
  replay_test.cpp
  replay_chain_test.cpp
)
target_link_libraries(window_tests PRIVATE capset_replay Qt6::Test GTest::gtest)
gtest_discover_tests(window_tests
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
  DISCOVERY_MODE PRE_TEST
  NO_PRETTY_VALUES
)

# The program itself, fed a script on standard input.
add_test(NAME cap_replay.ComputeBeforeStartFromStdin
  COMMAND sh -c "printf '@compute\\nstray\\n' | \"$<TARGET_FILE:cap_replay>\" --locale de_DE"
)
set_tests_properties(cap_replay.ComputeBeforeStartFromStdin PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
  PASS_REGULAR_EXPRESSION "SOLVER none\nIGNORED stray\nText1=\n.*Text26=\n$"
)
