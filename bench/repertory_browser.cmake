# The repertory browser on Kent's repertory (when /work/shared/data holds it)
# or the demo repertory: opening to the first paint, selecting a deep rubric,
# everything expanded (layout, heap, paint, a step down), the search strip.
meridane_add_bench(repertory_browser_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/repertory_browser_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
  LIBS meridane_views corvela_sources corvela)
