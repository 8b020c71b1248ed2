# Helpers that give each source folder one library target and each test folder one test program.

# gw_library(<target> DEPS <targets...>): every .cpp in the calling folder becomes <target>.
# A folder without sources becomes an interface target so that dependants link to it already.
function(gw_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# gw_tests(<name> DIR <folder> LIBS <targets...>): every .cpp in <folder> becomes one GoogleTest
# program, registered test by test with CTest. Fixtures lie in <folder>/data (GW_TEST_DATA);
# scratch folders come from tests/support.
function(gw_tests name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} gw_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    GW_TEST_DATA="${dir}/data")
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# gw_bench(<name> LIBS <targets...>): one Google Benchmark program from bench/<name>.cpp.
function(gw_bench name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(bench_${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
