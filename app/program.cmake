# The program meridane: a thin main over the shell, exporting LocalizeString,
# GetLanguagePtr, GetHeadPtr and GetSectionPtr (found by name with dlsym).
add_executable(meridane ${CMAKE_CURRENT_LIST_DIR}/main.cpp ${CMAKE_CURRENT_LIST_DIR}/exports.cpp)
meridane_warnings(meridane)
set_target_properties(meridane PROPERTIES ENABLE_EXPORTS ON)
target_link_libraries(meridane PRIVATE meridane_shell)

# Installed into the program directory beside the engine library, with a
# link in bin/ (cmake/Install.cmake); the desktop entry, the mime package of
# the case file type and the icon go to the data folders.
meridane_install_program(meridane)

# The desktop entry the program itself writes for a build (the settings test
# compares the two); the installed one is made at install time, so that its
# Exec line names the prefix actually installed to.
set(meridane_desktop_exec "${CMAKE_INSTALL_PREFIX}/bin/meridane")
set(MERIDANE_DESKTOP_EXEC "${meridane_desktop_exec}" CACHE INTERNAL "the Exec path of the installed desktop entry")
configure_file(${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane.desktop.in
               ${CMAKE_CURRENT_BINARY_DIR}/meridane.desktop @ONLY)
install(CODE "
  set(meridane_desktop_exec \"\${CMAKE_INSTALL_PREFIX}/bin/meridane\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane.desktop.in\"
                 \"${CMAKE_CURRENT_BINARY_DIR}/installed/meridane.desktop\" @ONLY)
  file(INSTALL \"${CMAKE_CURRENT_BINARY_DIR}/installed/meridane.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane-case.xml
        DESTINATION share/mime/packages)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane.svg
        DESTINATION share/icons/hicolor/scalable/apps)
