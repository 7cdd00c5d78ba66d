target_sources(meridane_model PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/code_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/crc32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exception.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/private_heap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_ini.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_settings.cpp)
