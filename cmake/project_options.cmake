# Warnings and sanitizers shared by every target of the project.
function(tarvel_apply_options target)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wconversion
                                             -Wsign-conversion -Wshadow>)
    if(TARVEL_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(TARVEL_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                 -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
    if(TARVEL_BUILD_FUZZERS)
        # Every library carries libFuzzer's coverage counters; only a fuzz target links libFuzzer itself
        # (tarvel_add_fuzzer), which brings its own main.
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A libFuzzer target of tests/fuzz: the project's warnings and sanitizers, linked with libFuzzer's main.
function(tarvel_add_fuzzer target)
    add_executable(${target} ${ARGN})
    tarvel_apply_options(${target})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()

# A release build that gives the same bytes wherever the checkout lies: no source paths in the binaries.
option(TARVEL_REPRODUCIBLE "Map source paths out of the binaries" OFF)
if(TARVEL_REPRODUCIBLE)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
endif()

# Doubles in SSE2 registers on 32-bit x86, rounded to 64 bits at every operation as on x86_64 and in WebAssembly,
# instead of the x87's 80-bit intermediates: otherwise a chart point such as 400 x 0.3 truncates to 119 instead
# of the 120 its double product gives, and the 32-bit program draws it a pixel lower than every other build.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    add_compile_options(-msse2 -mfpmath=sse)
endif()
