# Repertory benchmarks: compile, open, walk and look-ups, on the demo repertory
# and on Kent's repertory when /work/shared/data holds it.
meridane_add_bench(repertory_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/repertory_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
  LIBS corvela_sources corvela)
