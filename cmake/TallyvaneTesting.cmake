# GoogleTest: natively Debian's prebuilt libraries; for mingw built from Debian's sources.
if(CMAKE_CROSSCOMPILING)
    set(TALLYVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${TALLYVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

# Test code needs neither full optimisation nor debugging information, and the system's and
# GoogleTest's headers are most of a test file's compile time: they are compiled once, into
# one precompiled header that every test program shares.
# (Tests that replace the global operator new and delete pair them with malloc and free;
# gcc takes them for the library's at -O1 and warns.)
set(TALLYVANE_TEST_COMPILE_OPTIONS -O1 -g0 -Wno-mismatched-new-delete ${TALLYVANE_PCH_OPTIONS})
if(CMAKE_CROSSCOMPILING)
    foreach(library gtest gtest_main gmock gmock_main)
        target_compile_options(${library} PRIVATE ${TALLYVANE_TEST_COMPILE_OPTIONS})
    endforeach()
    set(TALLYVANE_TEST_PCH_HEADERS <windows.h> <commctrl.h>)
else()
    set(TALLYVANE_TEST_PCH_HEADERS <nlohmann/json.hpp>)
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/test_pch.cpp CONTENT "")
add_library(tallyvane_test_pch OBJECT ${CMAKE_BINARY_DIR}/test_pch.cpp)
target_link_libraries(tallyvane_test_pch PRIVATE tallyvane_options GTest::gtest GTest::gmock)
target_compile_options(tallyvane_test_pch PRIVATE ${TALLYVANE_TEST_COMPILE_OPTIONS})
target_precompile_headers(tallyvane_test_pch PRIVATE ${TALLYVANE_TEST_PCH_HEADERS} <gtest/gtest.h>
    <gmock/gmock.h> <algorithm> <functional> <string> <vector>)

# Test code's flags and the shared precompiled header, for a target of test code.
function(tallyvane_use_test_flags target)
    target_compile_options(${target} PRIVATE ${TALLYVANE_TEST_COMPILE_OPTIONS})
    target_precompile_headers(${target} REUSE_FROM tallyvane_test_pch)
endfunction()

# Time limits of the CTest entries: each well below CI's for the whole run, so that a
# stuck test fails on its own instead of taking the run down with it. An executable's
# cases take a few seconds, even under Wine on a loaded machine.
set(TALLYVANE_TEST_TIMEOUT 60 CACHE STRING "Default time limit of one test entry, in seconds")

# The Windows tests share one Wine prefix. Its creation (about half a minute) is an
# entry of its own that the others require, so their limits need not cover it.
# Called once CMAKE_CROSSCOMPILING_EMULATOR is set.
function(tallyvane_add_wine_prefix_fixture)
    add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --prepare)
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 120)
endfunction()

# Everything the CTest entries run, so that a test run builds no more than that:
# cmake --build build/X --target tallyvane_tests.
add_custom_target(tallyvane_tests)

# One CTest entry per test executable: a process start under Wine costs about half a
# second, so per-case entries would make the suite crawl. When cross-compiling, CTest
# runs the executable through CMAKE_CROSSCOMPILING_EMULATOR (our Wine wrapper).
function(tallyvane_add_test name)
    # OWN_FLAGS: a program compiled with flags of its own (sanitizers), which cannot use the
    # shared precompiled header.
    cmake_parse_arguments(ARG "OWN_FLAGS" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT ${TALLYVANE_TEST_TIMEOUT})
    endif()
    add_executable(${name} ${ARG_SOURCES})
    add_dependencies(tallyvane_tests ${name})
    target_link_libraries(${name} PRIVATE tallyvane_options GTest::gtest_main GTest::gmock ${ARG_LIBS})
    if(ARG_OWN_FLAGS)
        target_compile_options(${name} PRIVATE ${TALLYVANE_TEST_COMPILE_OPTIONS})
    else()
        tallyvane_use_test_flags(${name})
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
    endif()
endfunction()

# Code that several test programs share (fixtures, recorders, input helpers), compiled once.
function(tallyvane_add_test_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC GTest::gtest GTest::gmock ${ARG_LIBS} PRIVATE tallyvane_options)
    tallyvane_use_test_flags(${name})
endfunction()
