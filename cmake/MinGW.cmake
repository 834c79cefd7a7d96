# What the MinGW-w64 toolchains share: Windows, the triplet's resource compiler, and libraries and
# headers from the triplet's own folder only. Included by each toolchain file after it sets
# VELKORIN_MINGW_TRIPLET and its compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_RC_COMPILER ${VELKORIN_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELKORIN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
