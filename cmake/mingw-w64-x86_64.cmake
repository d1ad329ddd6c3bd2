# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (scripts/windows-toolchain.sh
# installs it and builds the Windows Qt, SQLite and libxlsxwriter this file finds).
# Used for both Qt and the program:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_PREFIX_PATH=<cache>/qt -DQT_HOST_PATH=/usr ...
# The cache is ${MORVEX_WIN_CACHE:-$HOME/.cache/morvex-win}; its prefixes are searched besides
# MinGW's own sysroot, and nothing of the Linux host is (its Qt and libraries are for Linux).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVEX_MINGW x86_64-w64-mingw32)
# The -posix compilers: their libstdc++ has std::thread and std::mutex on winpthreads, which
# Qt 6 needs; the -win32 ones lack them.
set(CMAKE_C_COMPILER ${MORVEX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVEX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVEX_MINGW}-windres)

# The cache is read from the environment once and kept, because try_compile projects run this
# file again without the caller's variables.
if(NOT DEFINED MORVEX_WIN_CACHE)
    if(DEFINED ENV{MORVEX_WIN_CACHE})
        set(MORVEX_WIN_CACHE "$ENV{MORVEX_WIN_CACHE}")
    else()
        set(MORVEX_WIN_CACHE "$ENV{HOME}/.cache/morvex-win")
    endif()
endif()
set(MORVEX_WIN_CACHE "${MORVEX_WIN_CACHE}" CACHE PATH "Windows toolchain cache")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MORVEX_WIN_CACHE)

set(CMAKE_FIND_ROOT_PATH
    ${MORVEX_WIN_CACHE}/qt
    ${MORVEX_WIN_CACHE}/sqlite
    ${MORVEX_WIN_CACHE}/xlsxwriter
    /usr/${MORVEX_MINGW})
# Programs (moc, rcc, windres...) are the host's; libraries, headers and CMake packages only
# from the roots above.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config files of the cache's libraries (libxlsxwriter's xlsxwriter.pc), not the host's.
set(ENV{PKG_CONFIG_LIBDIR} "${MORVEX_WIN_CACHE}/xlsxwriter/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
