target_sources(meridane_model PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/prim_meta_class.cpp
  ${CMAKE_CURRENT_LIST_DIR}/type_registry.cpp)
