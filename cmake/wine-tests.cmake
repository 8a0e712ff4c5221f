# Windows test programs run under Wine. One prefix per test run, kept inside the build tree,
# with one persistent wineserver and one Xvfb display that a fixture starts and stops.
set(LARKSPUR_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(LARKSPUR_WINE_SESSION ${CMAKE_SOURCE_DIR}/tests/wine/wine-session.sh)

add_test(NAME wine_session_start COMMAND ${LARKSPUR_WINE_SESSION} start ${LARKSPUR_WINE_DIR})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME wine_session_stop COMMAND ${LARKSPUR_WINE_SESSION} stop ${LARKSPUR_WINE_DIR})
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# add_wine_test(<name> <target> [GUI] [PREFIX <name>] [LANG <locale>] [ARGS ...])
#   GUI     the test opens windows: it takes the display lock, so two GUI tests never overlap.
#   PREFIX  run in a named prefix of its own (a copy of the pristine one), e.g. for a code page.
#   LANG    the Unix locale Wine starts with; Wine derives the ANSI code page from it.
function(add_wine_test name target)
  cmake_parse_arguments(W "GUI" "PREFIX;LANG" "ARGS" ${ARGN})
  add_test(NAME ${name} COMMAND ${target} ${W_ARGS})
  set(env "LARKSPUR_WINE_DIR=${LARKSPUR_WINE_DIR}")
  if(W_PREFIX)
    list(APPEND env "LARKSPUR_WINE_PREFIX=${W_PREFIX}")
  endif()
  if(W_LANG)
    list(APPEND env "LANG=${W_LANG}")
  endif()
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${env}" TIMEOUT 600)
  if(W_GUI)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()

# GoogleTest, built from Debian's source with the cross compiler: the tests are Windows programs.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Windows test programs link this instead of gtest_main (see tests/wine/TestMain.cpp).
add_library(wine_gtest_main STATIC ${CMAKE_SOURCE_DIR}/tests/wine/TestMain.cpp)
target_link_libraries(wine_gtest_main PUBLIC gtest)
