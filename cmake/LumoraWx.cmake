# lumora_wx_target(<target> COMPONENTS ...) wraps FindwxWidgets' variables in
# an imported interface target. The lookup runs in function scope, so the base
# libraries of the core and the GUI libraries of the desktop program can be
# looked up separately without one overwriting the other.
function(lumora_wx_target target)
  cmake_parse_arguments(ARG "" "" "COMPONENTS" ${ARGN})
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${ARG_COMPONENTS})
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set(include_dirs ${wxWidgets_INCLUDE_DIRS})
  set(options "")
  foreach(flag IN LISTS wxWidgets_CXX_FLAGS)
    if(flag MATCHES "^-I(.*)")
      list(APPEND include_dirs "${CMAKE_MATCH_1}")
    elseif(flag MATCHES "^-D(.*)")
      list(APPEND wxWidgets_DEFINITIONS "${CMAKE_MATCH_1}")
    else()
      list(APPEND options "${flag}")
    endif()
  endforeach()
  set_target_properties(${target} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${include_dirs}"
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${include_dirs}"
    INTERFACE_COMPILE_DEFINITIONS "${wxWidgets_DEFINITIONS}"
    INTERFACE_COMPILE_OPTIONS "${options}"
    INTERFACE_LINK_LIBRARIES "${wxWidgets_LIBRARIES}")
endfunction()
