# Hostile numbers against cap_replay, in whatever build it is in (the
# sanitizer build's too): each kept script of tests/data/hostile/ is a test
# of its own, judged for a crash, a sanitizer report, a run past the time
# limit and nan or inf in what it prints, and for the lines its .expect
# file asks; hostile.fuzz plays random scripts from a fixed seed
# (CAPSET_FUZZ_SEED and CAPSET_FUZZ_COUNT choose others) and keeps those it
# flags, cut down, in the build folder's hostile-flagged/.
find_package(Python3 COMPONENTS Interpreter)
if(TARGET cap_replay AND Python3_Interpreter_FOUND)
  set(hostile_run ${CMAKE_CURRENT_SOURCE_DIR}/hostile/hostile_run.py)
  file(GLOB hostile_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/hostile/*.txt)
  foreach(script IN LISTS hostile_scripts)
    cmake_path(GET script STEM LAST_ONLY stem)
    cmake_path(REPLACE_EXTENSION script LAST_ONLY .expect OUTPUT_VARIABLE expect)
    set(expect_args)
    if(EXISTS ${expect})
      set(expect_args --expect ${expect})
    endif()
    add_test(NAME hostile.${stem}
      COMMAND Python3::Interpreter ${hostile_run} $<TARGET_FILE:cap_replay> --script ${script} ${expect_args})
  endforeach()
  add_test(NAME hostile.fuzz
    COMMAND Python3::Interpreter ${hostile_run} $<TARGET_FILE:cap_replay> --keep ${CMAKE_CURRENT_BINARY_DIR}/hostile-flagged)
  set_tests_properties(hostile.fuzz PROPERTIES TIMEOUT 900)
endif()
