# Cross-build for 32-bit Windows with Debian's MinGW-w64 (posix thread model, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(TARVEL_WINE_EMULATOR wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Doubles in SSE2 registers, rounded to 64 bits at every operation as on x86_64 and in WebAssembly, instead of
# the x87's 80-bit intermediates: otherwise a chart point such as 400 x 0.3 truncates to 119 instead of the 120
# its double product gives, and the 32-bit program draws it a pixel lower than every other build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
