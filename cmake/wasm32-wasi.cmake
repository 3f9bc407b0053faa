# Cross-build of the portable core, the text front-end and the page's module for WebAssembly (wasm32-wasi)
# with Debian's clang 14, wasi-libc and libc++. Executables are WASI command modules that Node runs.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}) # Platform/WASI.cmake, which CMake 3.25 lacks
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# wasm-ld reads an archive only through its symbol index, which GNU ar cannot write for wasm objects.
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)

# clang 14 has no exceptions for WASI (__cxa_throw is undefined at link). The flag comes after every other one,
# so that neither a CMAKE_CXX_FLAGS given on the command line nor a target's own -fexceptions brings them back.
set(CMAKE_CXX_COMPILE_OBJECT
    "<CMAKE_CXX_COMPILER> <DEFINES> <INCLUDES> <FLAGS> -fno-exceptions -o <OBJECT> -c <SOURCE>")

set(CMAKE_FIND_ROOT_PATH /usr/lib/wasm32-wasi /usr/include/wasm32-wasi)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Command modules run on this machine under Node's WASI, as Windows executables run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-warnings ${CMAKE_CURRENT_LIST_DIR}/run-wasi-command.mjs)

# wasm-ld gives a module 64 KB of stack, and a stack that outgrows it writes over the data below it without a
# fault. The simulation state alone is about 45 KB, and the tests copy it on the stack; 1 MB leaves room.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,-z,stack-size=1048576")
