# The scrolling drawn view over the 100,000-row test renderer: one paint of a
# 1920x1080 viewport at random scroll positions (target 2 ms) and one hit test
# (target 1 us), on the offscreen platform.
meridane_add_bench(drawn_view_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawn_view_bench.cpp
          ${PROJECT_SOURCE_DIR}/tests/app/plumbing/drawn_test_renderer.cpp
  LIBS meridane_plumbing)
target_include_directories(drawn_view_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/app/plumbing)
