# tapforge_test(NAME SOURCES src... LIBS lib... [TIMEOUT seconds] [OWN_MAIN])
# One ctest entry per test executable, because every Wine process start costs
# seconds; the entries run one after another since they share the mouse, the
# keyboard, the foreground window, global hotkeys and the data folder.
function(tapforge_test name)
  cmake_parse_arguments(T "OWN_MAIN" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  # Wine may end a crashed test program with exit code 0, so its crash report fails it.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
                       FAIL_REGULAR_EXPRESSION "wine: Unhandled")
endfunction()
