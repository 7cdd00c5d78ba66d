# MERIDANE_FUZZ=ON builds the libFuzzer targets of fuzz/ (scripts/fuzz sets it
# up in its own build folder).  It needs clang: everything is compiled with
# AddressSanitizer, UndefinedBehaviorSanitizer and the coverage the fuzzer
# follows; only the targets link libFuzzer itself.
if(MERIDANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "MERIDANE_FUZZ needs clang (CXX=clang++)")
  endif()
  if(MERIDANE_SANITIZE)
    message(FATAL_ERROR "MERIDANE_FUZZ already builds with the sanitizers; leave MERIDANE_SANITIZE off")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
