# The case item editors: the patient card, episode, prescription and
# practitioner windows, their documents and the factories the program's
# template table uses.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/card_panes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/case_text_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_factories.cpp
  ${CMAKE_CURRENT_LIST_DIR}/episode_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/patient_info_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/patient_pad_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/patient_text_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/practitioner_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/prescription_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/prescription_edit_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/prescription_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/symptom_menu.cpp)
