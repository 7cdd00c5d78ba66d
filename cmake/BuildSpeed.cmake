# Faster rebuilds where the machine offers them: ccache in front of the
# compiler and lld as the linker.  Neither changes what is built.
find_program(MERIDANE_CCACHE ccache)
if(MERIDANE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${MERIDANE_CCACHE})
endif()

include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld MERIDANE_HAVE_LLD)
if(MERIDANE_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()
