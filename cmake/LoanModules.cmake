# The program loads some of its parts as modules on first use, so that its
# start-up maps none of the large Qt libraries only they need. A module binds
# to the program's own symbols when it is loaded.

# The parts' object libraries, which tests and benchmarks of the window link
# in instead of loading, and the modules built from them.
set(LOAN_LOADED_PARTS LoanCostsWindow LoanHelpWindow)
set(LOAN_MODULES LoanCosts LoanHelp)

# loan_link_as_program(<target>)
# Links target as the program is: every object of the program's libraries,
# used by target or not, with its symbols exported to the modules.
function(loan_link_as_program target)
  set_target_properties(${target} PROPERTIES
    ENABLE_EXPORTS ON
    LINK_LIBRARY_OVERRIDE "WHOLE_ARCHIVE,LoanApp,LoanModel,LoanStore,LoanEngine")
  add_dependencies(${target} ${LOAN_MODULES})
endfunction()

# loan_add_module(<name> <part>)
# The module <name> of the part's object library, built beside the program
# and installed into the program's module folder.
function(loan_add_module name part)
  set_target_properties(${part} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  add_library(${name} MODULE)
  target_link_libraries(${name} PRIVATE ${part})
  set_target_properties(${name} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${LOAN_OUTPUT_DIR}/${LOAN_MODULE_SUBDIR})
  install(TARGETS ${name} LIBRARY DESTINATION ${LOAN_MODULE_INSTALL_SUBDIR})
endfunction()
