# The repertory browser's window: template, commands, entry points.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/repertory_window.cpp)
