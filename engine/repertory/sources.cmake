target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/repertory_builder_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_loader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/topic_impl.cpp)
