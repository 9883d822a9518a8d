# Flags shared by every target of ours (not by third-party code).
add_library(tallyvane_options INTERFACE)
target_compile_options(tallyvane_options INTERFACE
    -Wall -Wextra
    # One rounding per operation on every build: the engine's results are bit-exact.
    -ffp-contract=off -fno-fast-math)
if(TALLYVANE_WERROR)
    target_compile_options(tallyvane_options INTERFACE -Werror)
endif()
if(WIN32)
    target_compile_definitions(tallyvane_options INTERFACE
        UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
