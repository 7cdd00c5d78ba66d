# The analysis window: template, commands, entry point, the symptom list and
# the table.
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
target_sources(meridane_views PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/analysis_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/analysis_edits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/analysis_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/symptom_list_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_calc_pad_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_edit_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_pad_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_sort_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_table_views.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sympthom_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/topic_links.cpp)
target_link_libraries(meridane_views PUBLIC Qt6::PrintSupport)

# meridane_chart: the chart of an analysis without any window: the panes'
# renderers, the whole chart for printing, PDF and PNG.  The analysis window
# and the meridane-case tool's export-chart share it.
find_package(PNG REQUIRED)
add_library(meridane_chart STATIC
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_corner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_export.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_grid_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_remedies_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/chart_titles_renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/png_strip_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart/ranking_hint.cpp)
meridane_warnings(meridane_chart)
target_include_directories(meridane_chart PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../..)
target_link_libraries(meridane_chart PUBLIC meridane_analysis meridane_plumbing Qt6::Gui
                      PRIVATE PNG::PNG)
target_compile_definitions(meridane_chart PUBLIC QT_NO_KEYWORDS)
target_link_libraries(meridane_views PUBLIC meridane_chart)
