# The query box the search strip of the repertory browser and the search
# window share.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/query_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_words.cpp)
