target_sources(meridane_model PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/analysis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/case.cpp
  ${CMAKE_CURRENT_LIST_DIR}/episode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/one_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/patient_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/practitioner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/prescription.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_topic.cpp)
