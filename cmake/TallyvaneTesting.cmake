# GoogleTest from Debian's sources, built with the current toolchain (native or mingw).
set(TALLYVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${TALLYVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)

# One CTest entry per test executable: a process start under Wine costs about half a
# second, so per-case entries would make the suite crawl. When cross-compiling, CTest
# runs the executable through CMAKE_CROSSCOMPILING_EMULATOR (our Wine wrapper).
function(tallyvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tallyvane_options GTest::gtest_main GTest::gmock ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
