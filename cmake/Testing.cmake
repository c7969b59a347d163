# Test helpers shared by both builds.
#
# Each test program is one CTest test. Google Test programs write a JUnit-style report named
# after the test into ${TARVEX_RESULTS_DIR}; scripts/test.sh counts the cases from those.
enable_testing()
set(TARVEX_RESULTS_DIR ${CMAKE_BINARY_DIR}/test-results)
file(MAKE_DIRECTORY ${TARVEX_RESULTS_DIR})

# Paths handed to test programs: under Wine the Unix root is drive Z:. The Wine runner takes
# the architecture of the build, so that the scripts' own Wine calls (reg, wineboot) run in
# the same prefix as the programs.
if(WIN32)
    set(TARVEX_TEST_PATH_PREFIX "Z:")
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(TARVEX_WINE_ARCH win64)
    else()
        set(TARVEX_WINE_ARCH win32)
    endif()
else()
    set(TARVEX_TEST_PATH_PREFIX "")
endif()

# tarvex_set_test_environment(NAME variables...): the test's environment, plus the Wine
# architecture in the Windows build.
function(tarvex_set_test_environment name)
    set(environment ${ARGN})
    if(WIN32)
        list(APPEND environment "TARVEX_WINE_ARCH=${TARVEX_WINE_ARCH}")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

if(WIN32)
    # Google Test from Debian's source package, cross-compiled like the deliverables.
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Unoptimised like the test programs: its speed does not matter, its build time does.
    foreach(library gtest gtest_main gmock gmock_main)
        target_compile_options(${library} PRIVATE -O0)
    endforeach()
    set(TARVEX_GTEST_LIBS gtest_main gmock)
else()
    find_package(GTest REQUIRED)
    set(TARVEX_GTEST_LIBS GTest::gtest_main GTest::gmock)
endif()

# tarvex_add_gtest(NAME sources... LIBS libs...)
function(tarvex_add_gtest name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${TARVEX_GTEST_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    tarvex_set_test_environment(${name}
        "GTEST_OUTPUT=xml:${TARVEX_TEST_PATH_PREFIX}${TARVEX_RESULTS_DIR}/${name}.xml"
        "TARVEX_TEST_DATA=${TARVEX_TEST_PATH_PREFIX}${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# tarvex_add_script_test(NAME script args...): a shell test; counted as one case.
function(tarvex_add_script_test name script)
    add_test(NAME ${name} COMMAND bash ${script} ${ARGN} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    tarvex_set_test_environment(${name} "TARVEX_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
        "TARVEX_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()
