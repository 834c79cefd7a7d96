# The options of our own targets, as INTERFACE targets that each of them links: nothing here reaches
# code built beside ours (GoogleTest).
#   velkorin_code           every target of ours: warnings, and on Windows the system headers'
#                           settings, sections and static linking
#   velkorin_product_code   the program and each library in it (src/)
#   velkorin_test_code      the test programs and the benchmarks

add_library(velkorin_code INTERFACE)
target_compile_options(velkorin_code INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra $<$<BOOL:${VELKORIN_WARNINGS_AS_ERRORS}>:-Werror>>)
# What Clang sees beyond that set and GCC does not: a value read where one path leaves it unset, a
# loop whose condition its body never changes, a stray comma operator, a string literal taken as a
# bool, code that can never run, a lambda's local hiding one of the function around it, and a
# function defined for other files with no declaration to check it against.
target_compile_options(velkorin_code INTERFACE $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<CXX_COMPILER_ID:Clang>>:
    -Wconditional-uninitialized -Wloop-analysis -Wcomma -Wstring-conversion -Wunreachable-code-aggressive
    -Wshadow-uncaptured-local -Wmissing-prototypes>)
# The host tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder
# of their own: any report stops the test that caused it.
if(VELKORIN_SANITIZE AND NOT WIN32)
    target_compile_options(velkorin_code INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                   -fno-omit-frame-pointer -g)
    target_link_options(velkorin_code INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
    enable_language(RC)
    target_compile_definitions(velkorin_code INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
    # Each function and datum in a section of its own, so that the linker drops what nothing calls.
    target_compile_options(velkorin_code INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-ffunction-sections -fdata-sections>)
    target_link_options(velkorin_code INTERFACE -Wl,--gc-sections)
    # The programs need only the system's own DLLs: no libstdc++ or libgcc DLL beside the exe.
    target_link_options(velkorin_code INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# The program's own flags are set where the program is defined (src/startup/CMakeLists.txt).
add_library(velkorin_product_code INTERFACE)
target_link_libraries(velkorin_product_code INTERFACE velkorin_code)

add_library(velkorin_test_code INTERFACE)
target_link_libraries(velkorin_test_code INTERFACE velkorin_code)
if(WIN32)
    # The tests run under Wine only, and use what Windows 7 has (GetTickCount64).
    target_compile_definitions(velkorin_test_code INTERFACE _WIN32_WINNT=0x0601)
endif()

# A GoogleTest program: GoogleTest's header, and the system's on Windows, are parsed once for the
# program instead of once in each of its files (about half of its compile time).
function(velkorin_test_program target)
    if(WIN32)
        target_precompile_headers(${target} PRIVATE <windows.h>)
    endif()
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <string> <vector>)
endfunction()
