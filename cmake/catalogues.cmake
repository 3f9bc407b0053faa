# The catalogues, one per language besides Romanian for each program's texts (po/ for tarvel_cache, its
# text front-end and its page; po/lab/ for the laboratory), compiled by msgfmt (which refuses a translation
# whose printf placeholders differ from the Romanian text's) and embedded in the library that looks them up.
find_program(TARVEL_MSGFMT msgfmt REQUIRED)

# tarvel_compile_catalogue(<catalogue> <function> <variable>): the catalogue (a path below the source tree,
# po/en.po) compiled and embedded as the C++ function <function>; the generated source's path in <variable>.
function(tarvel_compile_catalogue catalogue_path function variable)
    set(catalogue ${PROJECT_SOURCE_DIR}/${catalogue_path})
    string(REGEX REPLACE "\\.po$" "" stem "${catalogue_path}")
    string(REPLACE "/" "_" stem "${stem}")
    set(compiled ${CMAKE_BINARY_DIR}/po/${stem}.mo)
    set(source ${CMAKE_BINARY_DIR}/po/${stem}_catalogue.cpp)
    add_custom_command(OUTPUT ${compiled}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/po
        COMMAND ${TARVEL_MSGFMT} --check --no-hash -o ${compiled} ${catalogue}
        DEPENDS ${catalogue}
        COMMENT "Compiling the catalogue ${catalogue_path}"
        VERBATIM)
    add_custom_command(OUTPUT ${source}
        COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${compiled} -DFUNCTION=${function} -DOUTPUT=${source}
                -P ${PROJECT_SOURCE_DIR}/cmake/embed_catalogue.cmake
        DEPENDS ${compiled} ${PROJECT_SOURCE_DIR}/cmake/embed_catalogue.cmake
        VERBATIM)
    set(${variable} ${source} PARENT_SCOPE)
endfunction()
