# Project-wide warnings; every target of ours gets them through meridane_warnings().
# (clang, used only for the fuzz build, has no -Wshadow=local.)
function(meridane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                         $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
                         -Wnon-virtual-dtor -Woverloaded-virtual)
endfunction()
