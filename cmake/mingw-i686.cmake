# Cross-build for 32-bit Windows with Debian's MinGW-w64 (posix thread model, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(TARVEL_WINE_EMULATOR wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

