# The product: 32-bit Windows, PE32.
# The win32 thread model links no threading runtime: the posix model's winpthreads imports
# GetTickCount64 (Vista) and AddVectoredExceptionHandler (XP) at load time, and the program must
# load on Windows 2000. The program uses none of the standard library's threads.
set(VELKORIN_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
# This build makes the shipped program and runs its checks; the 32-bit test programs, which
# GoogleTest ties to the posix model, build in a tree of their own (mingw-i686-tests.cmake).
set(VELKORIN_PE32_PRODUCT ON)
