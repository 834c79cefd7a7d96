# The 32-bit test programs, which the product's tree (mingw-i686.cmake) runs with the PE32.
# The product's toolchain, with the posix thread-model compilers: GoogleTest needs std::mutex, which
# only that model gives; the product itself is built by mingw-i686.cmake without its runtime.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(VELKORIN_PE32_PRODUCT OFF)
