# Cross toolchain: Windows programs built on Linux with mingw-w64 (posix threads).
# TAPFORGE_ARCH (a cache entry, else the environment's) picks the architecture:
# i686, the program's own 32-bit Windows, or x86_64, for machines that cannot
# run 32-bit code.
if(NOT TAPFORGE_ARCH)
  set(TAPFORGE_ARCH "$ENV{TAPFORGE_ARCH}")
endif()
if(NOT TAPFORGE_ARCH)
  set(TAPFORGE_ARCH i686)
endif()
if(NOT TAPFORGE_ARCH MATCHES "^(i686|x86_64)$")
  message(FATAL_ERROR "TAPFORGE_ARCH is i686 or x86_64, not '${TAPFORGE_ARCH}'")
endif()
set(TAPFORGE_ARCH ${TAPFORGE_ARCH} CACHE STRING "Windows architecture: i686 or x86_64")
# The checks' test projects read this file again and need the same choice.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAPFORGE_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TAPFORGE_ARCH})

set(CMAKE_C_COMPILER ${TAPFORGE_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAPFORGE_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${TAPFORGE_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAPFORGE_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test and tool executables run through the harness's Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
