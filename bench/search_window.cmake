# The search window: colouring per keystroke, a search of 9,997 rubric hits
# on Kent laid out (and its heap and one paint), "pain" over Boericke with its
# snippets, and the remedy statistics; on the offscreen platform, on Kent and
# Boericke (else the demo data).
meridane_add_bench(search_window_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/search_window_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
  LIBS meridane_views corvela_sources corvela)
