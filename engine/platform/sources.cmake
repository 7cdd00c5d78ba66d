target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/config_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/directory_listing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_section_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mapped_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/random_guid.cpp)
