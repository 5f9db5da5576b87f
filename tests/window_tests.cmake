# Tests of the Qt side, run on the offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

add_executable(window_tests
  window_test_main.cpp
  bridge_export_window_test.cpp
  check_window_test.cpp
  corpus_window_test.cpp
  form1_test.cpp
  job_safe_window_test.cpp
  job_window_test.cpp
  landxml_export_window_test.cpp
  landxml_profile_window_test.cpp
  main_window_test.cpp
  qt_number_reader_test.cpp
  replay_test.cpp
  road_window_test.cpp
  road_window_friends_test.cpp
  point_heights_window_test.cpp
  sketch_window_test.cpp
  station_table_window_test.cpp
  window_habits_test.cpp
  exact_window_test.cpp
  unshown_row_window_test.cpp
  window_teardown_test.cpp
  heights_window_test.cpp
  sheets/sheet_window_test.cpp
  polar_window_test.cpp
  bridge_page_window_test.cpp
  instrument_window_test.cpp
)
target_link_libraries(window_tests PRIVATE capset_replay Qt6::Test GTest::gtest)
target_compile_definitions(window_tests PRIVATE CAPSET_CORPUS_FILE="${CMAKE_CURRENT_SOURCE_DIR}/corpus/replay_corpus.txt"
  CAPSET_LANDXML_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/landxml")
sanitize_settings(window_tests)
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
  COMMAND sh -c "export XDG_DATA_HOME=$(mktemp -d); printf '@start\\n1000\\n1000\\n2000\\n45\\n0\\n100\\n1050\\n60\\n1\\n@batch\\nmethod window\\ndr 7.5\\nprecision 0.0001\\nstation 3# K1+050\\nstation 999\\n@end\\n' | \"$<TARGET_FILE:cap_replay>\"; rm -rf \"$XDG_DATA_HOME\""
)
set_tests_properties(cap_replay.BatchFromStdin PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
  PASS_REGULAR_EXPRESSION "NOTICE 批量计算完成：共 2 个盖梁.*Text26=K 1\\+ 50\nROW\t1\t3#\t计算完成\tZH 端 斜交\tZH 右偏\tK 1\\+ 50\t.*\tk 1\\+ 54.538\t.*\nROW\t2\t\t未计算：Kp 小于直缓点桩号[^\t]*\tZH 端 斜交.*\n$"
)

# The day file over two runs, and after a damaged or foreign one.
add_test(NAME cap_replay.DayFileNumbersOnAcrossRuns
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/day_file_runs.sh $<TARGET_FILE:cap_replay>
)

# After a Compute the results and the buttons are in view on the screens a
# site office has, the last at a scale of 2 (800 × 600 of the window's own
# pixels): the offscreen platform is given each screen in turn.
foreach(screen 1920x1080x1 1366x768x1 1024x768x1 1600x1200x2)
  string(REPLACE "x" ";" parts ${screen})
  list(GET parts 0 width)
  list(GET parts 1 height)
  list(GET parts 2 scale)
  set(config ${CMAKE_CURRENT_BINARY_DIR}/screen-${screen}.json)
  file(WRITE ${config} "{\"screens\": [{\"name\": \"site\", \"x\": 0, \"y\": 0, \"width\": ${width}, "
                       "\"height\": ${height}, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n")
  add_test(NAME window_fit.${screen} COMMAND window_tests --gtest_filter=Rows/ResultsStayInView.*)
  set_tests_properties(window_fit.${screen} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${config};QT_SCALE_FACTOR=${scale}")
endforeach()

# Pictures of the road window with a real road, for looking at (not a test).
add_executable(road_window_shot road_window_shot.cpp)
target_link_libraries(road_window_shot PRIVATE capset_replay)
# Pictures of the windows that show heights where points are given.
add_executable(point_heights_shot point_heights_shot.cpp)
target_link_libraries(point_heights_shot PRIVATE capset_replay)

# A picture of 测站与后视… with a bridge's polar data: tests/polar_dialog_shot FOLDER under Xvfb.
add_executable(polar_dialog_shot polar_dialog_shot.cpp)
target_link_libraries(polar_dialog_shot PRIVATE capset_replay)
