# Tests of the Qt side, run on the offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

add_executable(window_tests
  window_test_main.cpp
  corpus_window_test.cpp
  form1_test.cpp
  job_window_test.cpp
  main_window_test.cpp
  qt_number_reader_test.cpp
  replay_test.cpp
  sketch_window_test.cpp
)
target_link_libraries(window_tests PRIVATE capset_replay Qt6::Test GTest::gtest)
target_compile_definitions(window_tests PRIVATE CAPSET_CORPUS_FILE="${CMAKE_CURRENT_SOURCE_DIR}/corpus/replay_corpus.txt")
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
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/data-home"
  PASS_REGULAR_EXPRESSION "SOLVER none\nNOTICE [^\n]+\nIGNORED stray\nText1=\n.*Text26=\n$"
)

# A batch from standard input: its message and its rows after the boxes.
add_test(NAME cap_replay.BatchFromStdin
  COMMAND sh -c "export XDG_DATA_HOME=$(mktemp -d); printf '@start\\n1000\\n1000\\n2000\\n45\\n0\\n100\\n1050\\n60\\n1\\n@batch\\ndr 7.5\\nprecision 0.0001\\nstation 3# K1+050\\nstation 999\\n@end\\n' | \"$<TARGET_FILE:cap_replay>\"; rm -rf \"$XDG_DATA_HOME\""
)
set_tests_properties(cap_replay.BatchFromStdin PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
  PASS_REGULAR_EXPRESSION "NOTICE 批量计算完成：共 2 个盖梁.*Text26=K 1\\+ 50\nROW\t1\t3#\tZH 端 斜交\tZH 右偏\tK 1\\+ 50\t.*\tk 1\\+ 54.538\t.*\nROW\t2\t\tZH 端 斜交.*未计算：Kp 小于直缓点桩号.*\n$"
)

# The day file over two runs, and after a damaged or foreign one.
add_test(NAME cap_replay.DayFileNumbersOnAcrossRuns
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/day_file_runs.sh $<TARGET_FILE:cap_replay>
)
