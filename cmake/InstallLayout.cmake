# What `cmake --install` lays out under the prefix:
#   lib/meridane/   the program directory: the programs, libcorvela.so, the
#                   remedy catalogue, the compiled demo data, meridane.ini and
#                   the language files (the programs find it through
#                   /proc/self/exe, which resolves the links below)
#   bin/            links to meridane, corvela and meridane-case
#   share/          the desktop entry, the case file type, the icon
set(MERIDANE_INSTALL_PROGRAM_DIR lib/meridane)

# meridane_install_program(TARGET): TARGET into the program directory and a
# link to it, under its output name, in bin/.
function(meridane_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${MERIDANE_INSTALL_PROGRAM_DIR})
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../${MERIDANE_INSTALL_PROGRAM_DIR}/${name}
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${name}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/bin/${name}\")
  ")
endfunction()
