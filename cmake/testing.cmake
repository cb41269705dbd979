# add_test_program(name SOURCES... LIBS... [RUNNER command...]) — one test
# program, one ctest entry. Its GoogleTest results go to TEST_RESULTS_DIR for
# the summary of `make test`. A RUNNER command runs it instead of the build's
# own emulator, with the program and its arguments appended.
function(add_test_program name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;RUNNER" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  file(MAKE_DIRECTORY ${TEST_RESULTS_DIR})
  set(results ${TEST_RESULTS_DIR})
  if(WIN32)
    # Under Wine the root of the Linux file system is drive Z:.
    set(results Z:${TEST_RESULTS_DIR})
  endif()
  set(program ${name})
  if(T_RUNNER)
    set(program ${T_RUNNER} $<TARGET_FILE:${name}>)
  endif()
  add_test(NAME ${name}
           COMMAND ${program} --gtest_output=xml:${results}/${name}.xml
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
