# The "Add to" menu: putting a rubric or a passage into an analysis of the
# case, and the last target.
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/add_to_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/last_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_targets.cpp)
