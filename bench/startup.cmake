# Start-up of the program to the first paint of its main window, on the demo
# data and on Kent's repertory when /work/shared/data holds it.  The benchmark
# starts the program as a separate process, so it builds without the
# program's own libraries; it finds the program through $MERIDANE_PROGRAM,
# else in this build's program directory, else in build/bin.
meridane_add_bench(startup_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/startup_process.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
  LIBS corvela_sources corvela)
target_compile_definitions(startup_bench PRIVATE MERIDANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
