# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. The -posix compilers,
# because Qt's threads and C++'s std::thread need winpthreads.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

# Libraries and headers come from the MinGW sysroot and the cross-built Qt (named by
# CMAKE_PREFIX_PATH) only; programs run during the build (moc, rcc, lrelease) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests built for Windows run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# pkg-config (libsndfile's sndfile.pc) reads only the cross-built prefixes' .pc files,
# never the host's, which would hand the link Linux libraries.
list(TRANSFORM CMAKE_PREFIX_PATH APPEND /lib/pkgconfig OUTPUT_VARIABLE pkg_config_dirs)
string(REPLACE ";" ":" pkg_config_dirs "${pkg_config_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${pkg_config_dirs}")
