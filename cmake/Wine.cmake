# Windows programs of this build run under Wine through CTest's cross-compiling emulator.
# A 64-bit build runs in a 64-bit session (wine64 alone), which needs no 32-bit support from the
# kernel. With ORVANE_WINE_TESTS off, the Windows test programs still build but no Wine test is
# registered (scripts/test.sh turns it off for the 32-bit tree where the kernel cannot run i386).
option(ORVANE_WINE_TESTS "Register the tests that run under Wine" ON)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVANE_WINE_ARCH win64)
else()
  set(ORVANE_WINE_ARCH win32)
endif()
set(ORVANE_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(ORVANE_WINE_SESSION_SH ${PROJECT_SOURCE_DIR}/cmake/wine/session.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine/run.sh ${ORVANE_WINE_STATE})

# orvane_wine_session(<name> <dpi> [<label of a drive D:>]): CTest fixture wine.<name> that starts
# and stops a session.
function(orvane_wine_session name dpi)
  if(NOT ORVANE_WINE_TESTS)
    return()
  endif()
  add_test(NAME wine.${name}.start
    COMMAND ${ORVANE_WINE_SESSION_SH} start ${ORVANE_WINE_STATE} ${name} ${dpi} ${ORVANE_WINE_ARCH} ${ARGN})
  add_test(NAME wine.${name}.stop COMMAND ${ORVANE_WINE_SESSION_SH} stop ${ORVANE_WINE_STATE} ${name})
  set_tests_properties(wine.${name}.start PROPERTIES FIXTURES_SETUP wine.${name} RESOURCE_LOCK wine.${name} TIMEOUT 400)
  set_tests_properties(wine.${name}.stop PROPERTIES FIXTURES_CLEANUP wine.${name} RESOURCE_LOCK wine.${name})
endfunction()

# orvane_wine_test(<test name> SESSION <name> COMMAND <target> [args...]): a test run under Wine.
function(orvane_wine_test test)
  if(NOT ORVANE_WINE_TESTS)
    return()
  endif()
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
