# The program meridane: a thin main over the shell, exporting LocalizeString,
# GetLanguagePtr, GetHeadPtr and GetSectionPtr (found by name with dlsym).
add_executable(meridane ${CMAKE_CURRENT_LIST_DIR}/main.cpp ${CMAKE_CURRENT_LIST_DIR}/exports.cpp)
meridane_warnings(meridane)
set_target_properties(meridane PROPERTIES ENABLE_EXPORTS ON)
target_link_libraries(meridane PRIVATE meridane_shell)

# Installed beside the engine library, where it finds its data files; a link
# in bin/ starts it, and the desktop entry and the mime package of the case
# file type go to the data folders.
include(GNUInstallDirs)
set(meridane_install_dir lib/meridane)  # beside the engine library
install(TARGETS meridane RUNTIME DESTINATION ${meridane_install_dir})
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK ../${meridane_install_dir}/meridane
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/meridane\" SYMBOLIC)
")
set(meridane_desktop_exec "${CMAKE_INSTALL_FULL_BINDIR}/meridane")
set(MERIDANE_DESKTOP_EXEC "${meridane_desktop_exec}" CACHE INTERNAL "the Exec path of the installed desktop entry")
configure_file(${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane.desktop.in
               ${CMAKE_CURRENT_BINARY_DIR}/meridane.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/meridane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane-case.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/shell/desktop/meridane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
