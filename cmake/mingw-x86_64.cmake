# Cross-build for 64-bit Windows with Debian's MinGW-w64 (posix thread model, which GoogleTest needs). The
# product is the 32-bit build; this one serves machines whose kernel cannot run 32-bit programs, where only
# 64-bit Wine starts.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(TARVEL_WINE_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
