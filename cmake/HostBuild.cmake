# Settings of the host build (portable code, tools, tests, benchmarks, fuzzers).
find_package(GTest REQUIRED)
find_package(SQLite3 REQUIRED)
find_package(benchmark QUIET)
include(GoogleTest)

# Fuzzers (libFuzzer) need clang, which the host preset uses.

function(yq_host_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  yq_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS host)
endfunction()

# yq_fuzzer(name sources... LIBS libs...): a libFuzzer target; the test
# command runs each one briefly on its seed folder fuzz/corpus/<name>.
function(yq_fuzzer name)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  add_executable(${name} ${F_UNPARSED_ARGUMENTS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set(corpus "${CMAKE_SOURCE_DIR}/fuzz/corpus/${name}")
  set(work "${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus")
  add_test(NAME ${name}
           COMMAND sh -c "mkdir -p '${work}' && exec $<TARGET_FILE:${name}> -max_total_time=\${YQ_FUZZ_SECONDS:-10} -rss_limit_mb=2048 '${work}' '${corpus}'")
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 900)
endfunction()
