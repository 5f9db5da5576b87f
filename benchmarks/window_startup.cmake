# Time from process start to the window shown.
# A program to run by hand, not a test: `benchmarks/window_startup`.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_executable(window_startup window_startup.cpp)
target_link_libraries(window_startup PRIVATE capset_window benchmark::benchmark)

# The plan sketch: scene and paint of the band.
add_executable(sketch_bench sketch_bench.cpp)
target_link_libraries(sketch_bench PRIVATE capset_window benchmark::benchmark)

# The results table with 10,000 rows.
add_executable(log_view_bench log_view_bench.cpp)
target_link_libraries(log_view_bench PRIVATE capset_window benchmark::benchmark)

# The road in the window: LandXML read, the plan of a 20 km road repainted.
add_executable(road_window_bench road_window_bench.cpp)
target_link_libraries(road_window_bench PRIVATE capset_window benchmark::benchmark)

# The profile view of a 20 km road of 60 PVIs repainted.
add_executable(profile_view_bench profile_view_bench.cpp)
target_link_libraries(profile_view_bench PRIVATE capset_window benchmark::benchmark)

# The bridge page: the plan of 100 bents × 30 points repainted, its scene,
# and the page following a changed bridge.
add_executable(bridge_page_bench bridge_page_bench.cpp)
target_link_libraries(bridge_page_bench PRIVATE capset_window benchmark::benchmark)
