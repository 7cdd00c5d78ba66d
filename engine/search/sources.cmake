target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/number_sets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_lexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rubric_ranges.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_engine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_engine_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/source_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_table.cpp)
