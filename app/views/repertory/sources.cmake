# The repertory browser: its document, views, renderer, search strip,
# template, commands and entry points.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/remedy_text_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_pad_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_screenshots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_search_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_topic_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/repertory_search_entry.cpp)
