# The product once more, PE32, by a second compiler: clang++ and lld for the i686-w64-mingw32
# target, against MinGW-w64's headers and libraries and the C++ library of GCC's win32 thread model
# (the shipped build's, mingw-i686.cmake: no threading runtime, loads on Windows 2000). Clang finds
# the target's C headers and libraries below /usr/i686-w64-mingw32 itself; the C++ headers and
# libstdc++ it is given from GCC's own folders.
set(VELKORIN_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${VELKORIN_MINGW_TRIPLET})
set(CMAKE_CXX_COMPILER_TARGET ${VELKORIN_MINGW_TRIPLET})
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)

set(VELKORIN_GCC_WIN32 /usr/lib/gcc/${VELKORIN_MINGW_TRIPLET}/12-win32)
# What GCC's library expects of the code that calls it: type_info compared out of line, as GCC
# itself predefines for MinGW (Clang 14 does not), and basic_string compiled by Clang (the header says why).
set(CMAKE_CXX_FLAGS_INIT "-isystem ${VELKORIN_GCC_WIN32}/include/c++ -isystem ${VELKORIN_GCC_WIN32}/include/c++/${VELKORIN_MINGW_TRIPLET} \
-D__GXX_TYPEINFO_EQUALITY_INLINE=0 -include ${CMAKE_CURRENT_LIST_DIR}/ClangWithGccLibstdcxx.h")
# GCC's crtbegin.o and crtend.o (-B), not MinGW-w64's that Clang's driver takes otherwise: theirs
# hand the program's unwind tables to libgcc's unwinder, without which every C++ exception ends
# in std::terminate.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -B${VELKORIN_GCC_WIN32} -L${VELKORIN_GCC_WIN32}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -B${VELKORIN_GCC_WIN32} -L${VELKORIN_GCC_WIN32}")

# The shipped program's tree, its checks reduced to the program's own: its PE and a short session.
set(VELKORIN_PE32_PRODUCT ON)
set(VELKORIN_SECOND_COMPILER ON)
