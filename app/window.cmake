# Qt side: the window, the Qt half of the seam, the program.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg Test PrintSupport)
set(CMAKE_AUTOMOC ON)
include(GNUInstallDirs)

# The windows and the Qt seam, shared by the program, the replay harness, the
# tests and the benchmarks.
add_library(capset_window STATIC
  alignment_picker.cpp
  batch_dialog.cpp
  bent_table_model.cpp
  bridge_page.cpp
  bridge_plan_view.cpp
  bridge_export_dialog.cpp
  cap_log_model.cpp
  column_spread.cpp
  cells_table_model.cpp
  check_dialog.cpp
  form1.cpp
  form1.h
  form1_layout.cpp
  heights_grid_model.cpp
  help_window.cpp
  instrument_station_dialog.cpp
  journal.cpp
  log_view.cpp
  look.cpp
  main_window.cpp
  main_window_bridge_export.cpp
  message_fit.cpp
  main_window_bridge.cpp
  main_window_instrument.cpp
  main_window_layout.cpp
  main_window_road.cpp
  qt_error_reporter.cpp
  qt_file_store.cpp
  sheet_dialog.cpp
  sheet_printing.cpp
  qt_number_reader.cpp
  qt_prompt.cpp
  plan_marks.cpp
  plan_view.cpp
  profile_page.cpp
  profile_view.cpp
  recent_jobs.cpp
  road_cell_delegate.cpp
  road_table_model.cpp
  road_window.cpp
  section_page.cpp
  section_view.cpp
  sketch_view.cpp
  station_table_model.cpp
  station_table_window.cpp
  teardown.cpp
  template_panel.cpp
  window_tables.cpp
  zoom_pan_view.cpp
)
target_include_directories(capset_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(capset_window PUBLIC capset_bridgeview capset_session capset_sketch capset_check capset_landxml capset_roadview capset_roadtext capset_sheetprint Qt6::Widgets PRIVATE Qt6::Svg Qt6::PrintSupport)
# The help page's figure is the README's, drawn by Qt's SVG renderer.
qt_add_resources(capset_window help PREFIX /help BASE ${PROJECT_SOURCE_DIR}/docs FILES ${PROJECT_SOURCE_DIR}/docs/terms.svg)
target_compile_definitions(capset_window PRIVATE CAPSET_VERSION="${PROJECT_VERSION}")

add_executable(capset main.cpp)
target_link_libraries(capset PRIVATE capset_window)
install(TARGETS capset)
