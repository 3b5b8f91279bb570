# lumora_test_program(NAME LABEL <label> SOURCES ... DEPENDS ...)
# adds one GoogleTest program and registers each of its cases with CTest under
# the label: unit (no server, no display), db (the PostgreSQL server that the
# test command starts), gui (under xvfb-run) or fuzz.
find_package(GTest REQUIRED)
include(GoogleTest)

function(lumora_test_program name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPENDS;FIXTURES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE lumora_options GTest::gtest GTest::gmock GTest::gtest_main ${ARG_DEPENDS})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
  target_compile_definitions(${name} PRIVATE
    LUMORA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    LUMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(properties LABELS ${ARG_LABEL} ENVIRONMENT "TZ=UTC")
  if(ARG_LABEL STREQUAL "gui")
    # One X display serves every GUI test: they take turns, so that no test
    # moves the pointer over another's window.
    list(APPEND properties RESOURCE_LOCK x_display)
  endif()
  if(LUMORA_SANITIZE)
    list(APPEND properties ENVIRONMENT_MODIFICATION
      "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp")
  endif()
  if(ARG_FIXTURES)
    list(APPEND properties FIXTURES_REQUIRED "${ARG_FIXTURES}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()
