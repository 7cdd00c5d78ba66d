target_sources(meridane_model PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/escape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/node_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/storage_node_base.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_storage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tree_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/writer.cpp)
