target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/catalogue_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remedy_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remedy_list_impl.cpp)
