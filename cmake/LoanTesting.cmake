# loan_add_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <s>])
# One Qt Test executable run headless by CTest, with a timeout and private
# configuration and cache folders so no test touches a real user's settings
# or help index.
function(loan_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
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
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${LOAN_OUTPUT_DIR})
endfunction()
