target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/corvela_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/corvela_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/discovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/discovery_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remedy_source_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_bridge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/source_list_file.cpp)
