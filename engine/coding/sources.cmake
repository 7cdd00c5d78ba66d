target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/byte_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/header_strings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/load_error.cpp)
