# Search benchmarks: Search and AnalyzeQuery latency against the memmem pass
# over all index words, on the demo data and on Kent's repertory with
# Boericke's materia medica when /work/shared/data holds them.
meridane_add_bench(search_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
  LIBS corvela_sources corvela)
