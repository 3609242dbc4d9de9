# loan_link_loaded_parts(<target> <libs...>)
# A test or benchmark of the window (one that links LoanApp) links in the
# parts the program loads as modules, so it holds the whole program without
# loading anything.
function(loan_link_loaded_parts target)
  if("LoanApp" IN_LIST ARGN OR "AppTestSupport" IN_LIST ARGN)
    target_link_libraries(${target} PRIVATE ${LOAN_LOADED_PARTS})
  endif()
endfunction()

# loan_add_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <s>]
#               [LOADS_MODULES])
# One Qt Test executable run headless by CTest, with a timeout and private
# configuration and cache folders so no test touches a real user's settings
# or help index. A test that LOADS_MODULES is linked as the program is and
# loads the program's modules as it does.
function(loan_add_test name)
  cmake_parse_arguments(ARG "LOADS_MODULES" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  if(ARG_LOADS_MODULES)
    loan_link_as_program(${name})
  else()
    loan_link_loaded_parts(${name} ${ARG_LIBS})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set(config_dir ${CMAKE_CURRENT_BINARY_DIR}/config-${name})
  file(MAKE_DIRECTORY ${config_dir})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${config_dir};XDG_CACHE_HOME=${config_dir}/cache")
endfunction()

# loan_add_bench(<name> SOURCES <files...> [LIBS <targets...>])
function(loan_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  loan_link_loaded_parts(${name} ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${LOAN_OUTPUT_DIR})
endfunction()
