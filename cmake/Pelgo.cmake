# Shared build rules for the project's targets.

set(PELGO_WARNINGS -Wall -Wextra -Wpedantic)

# Warnings (and -Werror on request) for a target of our own code.
function(pelgo_warnings target)
  target_compile_options(${target} PRIVATE ${PELGO_WARNINGS})
  if(PELGO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A program of the installation: lives in the program folder and finds the
# library beside itself.
function(pelgo_program target)
  pelgo_warnings(${target})
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${PELGO_PROGRAM_DIR}
    BUILD_WITH_INSTALL_RPATH ON
    INSTALL_RPATH "\$ORIGIN")
endfunction()

# One GoogleTest executable per *_test.cpp file of a folder.
#   pelgo_add_tests(<prefix> <folder> LIBS <libs...>)
function(pelgo_add_tests prefix folder)
  cmake_parse_arguments(ARG "" "" "LIBS;ENV" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${folder}/*_test.cpp)
  foreach(src ${test_sources})
    get_filename_component(name ${src} NAME_WE)
    set(target ${prefix}_${name})
    add_executable(${target} ${src})
    pelgo_warnings(${target})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${target} PRIVATE
      PELGO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      PELGO_FIXTURES_DIR="${folder}/fixtures"
      PELGO_PROGRAM_DIR="${PELGO_PROGRAM_DIR}")
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELGO_TEST_DIR})
    add_test(NAME ${target} COMMAND ${target})
    if(ARG_ENV)
      set_tests_properties(${target} PROPERTIES ENVIRONMENT "${ARG_ENV}")
    endif()
  endforeach()
endfunction()

# One Google Benchmark executable per *_bench.cpp file of a folder.
function(pelgo_add_benchmarks prefix folder)
  if(NOT PELGO_BUILD_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB bench_sources CONFIGURE_DEPENDS ${folder}/*_bench.cpp)
  foreach(src ${bench_sources})
    get_filename_component(name ${src} NAME_WE)
    set(target ${prefix}_${name})
    add_executable(${target} ${src})
    pelgo_warnings(${target})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
    target_compile_definitions(${target} PRIVATE PELGO_PROGRAM_DIR="${PELGO_PROGRAM_DIR}")
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELGO_BENCH_DIR})
    add_dependencies(${target} pelgo_data)
  endforeach()
endfunction()
