# The analysis window on Kent's repertory (the demo repertory when the shared
# data is missing): an analysis of 20 symptoms x 5 of the largest rubrics,
# offscreen; the figures of its window, its fragile ranks and its PDF export.
if(TARGET meridane_views)
  meridane_add_bench(analysis_window_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/analysis_window_bench.cpp
            ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
    LIBS meridane_views corvela_sources corvela)
endif()
