# The repertory browser: its document, views, renderer, search strip,
# template, commands and entry points.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/repertory_screenshots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_window.cpp)
