# The search window: document, view, result pages and their renderer, the
# page model, snippets, remedy statistics, template, command, entry point.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/article_snippets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remedy_statistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_page_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_result_painting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_result_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_result_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_results.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_screenshots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_sources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_window.cpp
  # Until the repertory browser reaches this branch: its remedy typesetting.
  ${CMAKE_CURRENT_LIST_DIR}/../remedy_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../repertory/remedy_text_cache.cpp)
