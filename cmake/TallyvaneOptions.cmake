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

# Through a precompiled header gcc 12 no longer sees that the string classes' inlined memcpy
# comes from a system header, and takes short literals for out-of-bounds reads.
set(TALLYVANE_PCH_OPTIONS -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)
function(tallyvane_reuse_framework_pch target)
    target_precompile_headers(${target} REUSE_FROM tallyvane_framework)
    target_compile_options(${target} PRIVATE ${TALLYVANE_PCH_OPTIONS})
endfunction()
