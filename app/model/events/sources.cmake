target_sources(meridane_model PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/event_client.cpp)
