# Windows programs of this build run under Wine through CTest's cross-compiling emulator.
set(ORVANE_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(ORVANE_WINE_SESSION_SH ${PROJECT_SOURCE_DIR}/cmake/wine/session.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine/run.sh ${ORVANE_WINE_STATE})

# orvane_wine_session(<name> <dpi>): CTest fixture wine.<name> that starts and stops a session.
function(orvane_wine_session name dpi)
  add_test(NAME wine.${name}.start COMMAND ${ORVANE_WINE_SESSION_SH} start ${ORVANE_WINE_STATE} ${name} ${dpi})
  add_test(NAME wine.${name}.stop COMMAND ${ORVANE_WINE_SESSION_SH} stop ${ORVANE_WINE_STATE} ${name})
  set_tests_properties(wine.${name}.start PROPERTIES FIXTURES_SETUP wine.${name} RESOURCE_LOCK wine.${name} TIMEOUT 400)
  set_tests_properties(wine.${name}.stop PROPERTIES FIXTURES_CLEANUP wine.${name} RESOURCE_LOCK wine.${name})
endfunction()

# orvane_wine_test(<test name> SESSION <name> COMMAND <target> [args...]): a test run under Wine.
function(orvane_wine_test test)
  cmake_parse_arguments(W "" "SESSION;TIMEOUT" "COMMAND;LABELS" ${ARGN})
  if(NOT W_SESSION)
    set(W_SESSION main)
  endif()
  if(NOT W_TIMEOUT)
    set(W_TIMEOUT 300)
  endif()
  add_test(NAME ${test} COMMAND ${W_COMMAND})
  set_tests_properties(${test} PROPERTIES
    FIXTURES_REQUIRED wine.${W_SESSION}
    RESOURCE_LOCK wine.${W_SESSION}
    ENVIRONMENT "ORVANE_WINE_SESSION=${W_SESSION};ORVANE_WINE_TIMEOUT=${W_TIMEOUT}"
    TIMEOUT ${W_TIMEOUT}
    LABELS "${W_LABELS}")
endfunction()
