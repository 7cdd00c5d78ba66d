# Project-wide warnings; every target of ours gets them through meridane_warnings().
# clang builds only the fuzz targets; it has no -Wshadow=local, and the
# library's one export is extern "C" returning the facade by reference on purpose.
function(meridane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                         $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
                         $<$<CXX_COMPILER_ID:Clang>:-Wno-return-type-c-linkage>
                         -Wnon-virtual-dtor -Woverloaded-virtual)
endfunction()
