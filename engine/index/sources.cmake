target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/index_builder_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/index_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/index_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_splitter.cpp)
