# The analysis window: template, commands, entry point.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/analysis_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/analysis_placeholder_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/analysis_window.cpp)
