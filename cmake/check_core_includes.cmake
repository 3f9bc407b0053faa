# Fails when a file of a portable core folder includes a platform header or reaches above the core (a
# front-end, the Windows pieces, the resources). Run as a script:
#   cmake -DROOT=<tree> -DFOLDERS=config,engine,... -P check_core_includes.cmake
# It prints one line per offending include, "<file>:<line>: includes <header>", and exits non-zero if any.

if(NOT ROOT OR NOT FOLDERS)
    message(FATAL_ERROR "check_core_includes: ROOT and FOLDERS must both be given")
endif()
string(REPLACE "," ";" folders "${FOLDERS}")

# Headers of an operating system or of a WebAssembly runtime, compared in lower case.
set(platform_header_pattern
    "^(windows|windowsx|commctrl|commdlg|shellapi|shlobj|shlwapi|objbase|mmsystem|tchar|io|fcntl|unistd|dirent|direct|process|pthread|dlfcn|emscripten)\\.h$|^win[a-z0-9_]*\\.h$|^(sys|wasi|emscripten|arpa|netinet)/")
# Folders above the core, written as an include names them.
set(upper_folder_pattern "^(app|windows|web|cli|resources|bench|tests)/")

set(faults)
foreach(folder ${folders})
    if(NOT IS_DIRECTORY "${ROOT}/${folder}")
        list(APPEND faults "${folder}: no such folder under ${ROOT}")
        continue()
    endif()
    file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    foreach(source ${sources})
        file(STRINGS "${ROOT}/${source}" lines)
        set(line_number 0)
        foreach(line IN LISTS lines)
            math(EXPR line_number "${line_number} + 1")
            if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
                continue()
            endif()
            set(header "${CMAKE_MATCH_1}")
            string(TOLOWER "${header}" lower_header)
            if(lower_header MATCHES "${platform_header_pattern}" OR header MATCHES "${upper_folder_pattern}")
                list(APPEND faults "${source}:${line_number}: includes ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    foreach(fault ${faults})
        message(NOTICE "${fault}")
    endforeach()
    list(LENGTH faults fault_count)
    message(FATAL_ERROR "${fault_count} include(s) of a platform header or of a folder above the core")
endif()
message(STATUS "No core folder includes a platform header: ${FOLDERS}")
