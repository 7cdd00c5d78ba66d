find_package(GTest REQUIRED)
include(GoogleTest)

# meridane_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable; every TEST becomes its own ctest entry.
function(meridane_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  meridane_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    MERIDANE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    MERIDANE_DEMO_DIR="${PROJECT_SOURCE_DIR}/data/demo"
    MERIDANE_PROGRAM_DIR="${MERIDANE_PROGRAM_DIR}"
    MERIDANE_SHARED_DATA_DIR="${PROJECT_SOURCE_DIR}/../shared/data")
  # No test sees the data files of the user running it: the user data folder
  # is one that never exists unless a test points MERIDANE_DATA elsewhere.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      ENVIRONMENT_MODIFICATION "MERIDANE_DATA=set:${CMAKE_BINARY_DIR}/tests/no-user-data")
endfunction()
