# Where an install puts things, relative to the prefix: programs in bin/,
# the module and the libraries only it and the programs use in
# lib/k-colbalance/, the manual and the licence in share/doc/k-colbalance/,
# the shipped colour config in share/k-colbalance/ocio/.
# Installed files find each other by these relative paths ($ORIGIN run
# paths, ProgramFolder.cpp), so a tree works from any prefix and moves.
set(FN_PACKAGE_NAME k-colbalance)
set(FN_INSTALL_BINDIR bin)
set(FN_INSTALL_LIBDIR lib/${FN_PACKAGE_NAME})
set(FN_INSTALL_DOCDIR share/doc/${FN_PACKAGE_NAME})
set(FN_INSTALL_MANDIR share/man)
set(FN_INSTALL_DATADIR share)
set(FN_INSTALL_PKGDATADIR ${FN_INSTALL_DATADIR}/${FN_PACKAGE_NAME})
file(RELATIVE_PATH FN_BIN_TO_LIB /p/${FN_INSTALL_BINDIR} /p/${FN_INSTALL_LIBDIR})
file(RELATIVE_PATH FN_BIN_TO_DOC /p/${FN_INSTALL_BINDIR} /p/${FN_INSTALL_DOCDIR})
file(RELATIVE_PATH FN_BIN_TO_DATA /p/${FN_INSTALL_BINDIR} /p/${FN_INSTALL_PKGDATADIR})

# fn_install_library(<target>): a shared library or the module, installed
# beside the others it loads.
function(fn_install_library target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} LIBRARY DESTINATION ${FN_INSTALL_LIBDIR} COMPONENT programs)
endfunction()

# fn_install_program(<target>): a program people run, finding its
# libraries through its own location.
function(fn_install_program target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${FN_BIN_TO_LIB}")
  install(TARGETS ${target} RUNTIME DESTINATION ${FN_INSTALL_BINDIR} COMPONENT programs)
endfunction()
