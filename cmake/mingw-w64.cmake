# Cross-building for 64-bit Windows with Debian's mingw-w64 (the POSIX thread
# model, so std::thread and std::mutex work) and running the results under Wine.
#
#   cmake -S . -B build-windows/game -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#
# The libraries the game needs (zlib, libpng, libogg, libvorbis, GoogleTest)
# are built from Debian's sources by scripts/build-windows into one prefix,
# build-windows/deps/prefix unless MIREL_WINDOWS_DEPS names another; only that
# prefix is searched for them, never the build machine's own libraries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_AR ${mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${mingw}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT MIREL_WINDOWS_DEPS)
  if(DEFINED ENV{MIREL_WINDOWS_DEPS})
    set(MIREL_WINDOWS_DEPS $ENV{MIREL_WINDOWS_DEPS})
  else()
    get_filename_component(MIREL_WINDOWS_DEPS ${CMAKE_CURRENT_LIST_DIR}/../build-windows/deps/prefix ABSOLUTE)
  endif()
endif()
# try_compile projects read this file again; they get the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MIREL_WINDOWS_DEPS)

# Headers and libraries from the mingw-w64 system and the dependency prefix
# only; programs (the host's own tools) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${MIREL_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config reads the prefix's .pc files and nothing of the build machine.
set(ENV{PKG_CONFIG_LIBDIR} ${MIREL_WINDOWS_DEPS}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_EXECUTABLE pkg-config CACHE FILEPATH "")

# The C and C++ runtimes and the thread library go into every program and
# library, so nothing needs a DLL that Windows itself does not ship.
set(static_runtime "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${static_runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${static_runtime}")

# Test programs run under Wine (ctest, and GoogleTest's test discovery),
# through wine-run, which starts again a launch that Wine ended unstarted.
find_program(WINE_PROGRAM NAMES wine wine64)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${WINE_PROGRAM})
endif()
