# The materia medica window: its document, views, search and the user's own
# materia medicas.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/author_info_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/contents_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_autors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_index_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_pad_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_panel_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_screenshots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remedy_index_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/remedy_information.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shown_article.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_materia_medicas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_mm_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_highlights.cpp)
