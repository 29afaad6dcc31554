# paperlet_add_test(NAME SOURCES a.cpp ... LIBS lib ... [GUI])
# A QtTest executable run by ctest on the offscreen platform, with its own
# scratch XDG folders so that no test touches the user's desktop.
function(paperlet_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  add_test(NAME ${name} COMMAND ${name})
  set(scratch ${CMAKE_BINARY_DIR}/tests/scratch/${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${scratch}/run;XDG_CONFIG_HOME=${scratch}/config;XDG_DATA_HOME=${scratch}/data;XDG_CACHE_HOME=${scratch}/cache;HOME=${scratch}/home"
    TIMEOUT 300)
endfunction()

# paperlet_add_e2e_test(NAME SOURCES a.cpp ...)
# Drives the real program in the X server named by DISPLAY (started by
# tests/e2e/with-display.sh); skipped with code 77 when there is none.
function(paperlet_add_e2e_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test paperlet_e2e_fixture ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  add_dependencies(${name} paperlet)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "PAPERLET_E2E_BINARY=$<TARGET_FILE:paperlet>;PAPERLET_E2E_SCRATCH=${CMAKE_BINARY_DIR}/tests/scratch/${name}"
    SKIP_RETURN_CODE 77
    RESOURCE_LOCK x_display
    TIMEOUT 600)
endfunction()
