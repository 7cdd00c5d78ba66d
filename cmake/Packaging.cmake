# The Debian package meridane_VERSION_ARCH.deb: `cpack -G DEB` in a build
# configured with CMAKE_INSTALL_PREFIX=/usr (scripts/package does both and
# checks the result).  It holds what `cmake --install` lays out
# (InstallLayout.cmake); dpkg-shlibdeps turns the programs' libraries into
# the run-time dependencies (the Qt 6 libraries, the C++ runtime), and Qt's
# platform plugins are added by hand, since no library names them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME meridane)
set(CPACK_PACKAGE_VENDOR "Meridane Suite")
set(CPACK_PACKAGE_CONTACT "Meridane Suite developers <developers@meridane-suite.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "repertories, materia medica and patient cases for classical homeopathy")
set(CPACK_PACKAGE_DESCRIPTION
    "Meridane Suite lets a practitioner of classical homeopathy browse repertories,
read materia medica articles, search both with a small query language, keep
patient cases with their visits, prescriptions and analyses, and rank the
remedies that cover an analysis's symptoms.  Demo data is included; further
repertories and materia medicas go into ~/.local/share/meridane.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # meridane_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.meridane-suite.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcorvela.so is the package's own: found beside the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${MERIDANE_PROGRAM_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_STRIP_FILES ON)
# Install with DESTDIR, so that install-time code (the desktop entry's Exec
# line) sees the real prefix rather than the staging folder.
set(CPACK_SET_DESTDIR ON)
include(CPack)
