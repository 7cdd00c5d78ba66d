target_sources(meridane_model PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/localize.cpp)
