# Case benchmarks: saving and loading (with the rubric refresh) a large case,
# and the repertorization of a 100-rubric analysis, on Kent's repertory when
# /work/shared/data holds it, else on the demo repertory.
meridane_add_bench(case_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/case_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
  LIBS meridane_analysis meridane_model corvela_sources corvela)
