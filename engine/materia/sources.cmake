target_sources(corvela_internal PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/article_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_loader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_builder_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_medica_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/materia_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_article_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_materia_medica_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_mm_article_impl.cpp)
