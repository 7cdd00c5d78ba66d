# The materia medica window on Boericke's Pocket Manual (compiled at start from
# /work/shared/data; the program says so and ends when it is not there):
# opening the window, switching remedy and author, a search step, marking the
# words of a search and saving a user materia medica of 600 articles.
if(TARGET meridane_views)
  meridane_add_bench(materia_medica_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/materia_medica_bench.cpp
            ${CMAKE_CURRENT_LIST_DIR}/bench_data_set.cpp
    LIBS meridane_views corvela_sources corvela)
endif()
