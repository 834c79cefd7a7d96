# The 64-bit twin of the product (PE32+), run under Wine by the tests.
# The posix thread model gives the standard library its threads (GoogleTest needs them); it is
# linked statically like the rest.
set(VELKORIN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
