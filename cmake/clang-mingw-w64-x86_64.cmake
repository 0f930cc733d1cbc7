# Cross-compiles for 64-bit Windows with Clang, against the same MinGW-w64 headers, runtime and
# libstdc++ (posix-threads flavour) as cmake/mingw-w64-x86_64.cmake, linking with lld.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TINTRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${TINTRA_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${TINTRA_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER ${TINTRA_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TINTRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Clang does not find the C++ library of a GCC whose version directory is named "12-posix".
file(GLOB TINTRA_MINGW_GCC_DIRS LIST_DIRECTORIES true /usr/lib/gcc/${TINTRA_MINGW_TRIPLE}/*-posix)
list(SORT TINTRA_MINGW_GCC_DIRS COMPARE NATURAL ORDER DESCENDING)
list(GET TINTRA_MINGW_GCC_DIRS 0 TINTRA_MINGW_GCC_DIR)
set(TINTRA_LIBSTDCXX ${TINTRA_MINGW_GCC_DIR}/include/c++)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    ${TINTRA_LIBSTDCXX} ${TINTRA_LIBSTDCXX}/${TINTRA_MINGW_TRIPLE} ${TINTRA_LIBSTDCXX}/backward)
# That library's threads come from winpthreads, which GCC's driver adds by itself; lld finds
# the symbols wherever the library stands on the line.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${TINTRA_MINGW_GCC_DIR} -lpthread")
