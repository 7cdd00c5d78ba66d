# The materia medica window: template, command, entry point.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/materia_window.cpp)
