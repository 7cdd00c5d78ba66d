# Project-wide warnings; every target of ours gets them through meridane_warnings().
function(meridane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
                         -Wnon-virtual-dtor -Woverloaded-virtual)
endfunction()
