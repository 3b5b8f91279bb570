# lumora_options: the compile settings every Lumora target shares (C++20,
# warnings, optional sanitizers), carried as an interface target so that no
# global flag is set.
add_library(lumora_options INTERFACE)
target_compile_features(lumora_options INTERFACE cxx_std_20)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(lumora_options INTERFACE -Wall -Wextra)
  if(LUMORA_SANITIZE)
    target_compile_options(lumora_options INTERFACE
      -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(lumora_options INTERFACE -fsanitize=address,undefined)
  endif()
  if(LUMORA_SANITIZE OR LUMORA_FUZZ)
    # Indexes past the end of a std::array, vector or string stop the
    # program: the address checker cannot see a write that stays inside the
    # object holding the array.
    target_compile_definitions(lumora_options INTERFACE _GLIBCXX_ASSERTIONS)
  endif()
  if(LUMORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      message(FATAL_ERROR "The fuzz build needs clang (libFuzzer): use the \"fuzz\" preset")
    endif()
    # Coverage for libFuzzer in every library; the programs link its driver.
    target_compile_options(lumora_options INTERFACE -fsanitize=fuzzer-no-link)
  endif()
elseif(MSVC)
  target_compile_options(lumora_options INTERFACE /W4 /utf-8)
endif()

# lumora_library(NAME SOURCES... [DEPENDS targets...]) adds one layer of the core.
function(lumora_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PUBLIC lumora_options ${ARG_DEPENDS})
endfunction()
