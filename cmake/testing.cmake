# add_test_program(name SOURCES... LIBS...) — one test program, one ctest entry.
# Its GoogleTest results go to TEST_RESULTS_DIR for the summary of `make test`.
function(add_test_program name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  file(MAKE_DIRECTORY ${TEST_RESULTS_DIR})
  set(results ${TEST_RESULTS_DIR})
  if(WIN32)
    # Under Wine the root of the Linux file system is drive Z:.
    set(results Z:${TEST_RESULTS_DIR})
  endif()
  add_test(NAME ${name}
           COMMAND ${name} --gtest_output=xml:${results}/${name}.xml
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
