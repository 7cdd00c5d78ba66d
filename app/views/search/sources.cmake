# The search window: template, command, entry point.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/search_window.cpp)
