# The catalogues of po/, one per language besides Romanian, compiled by msgfmt (which refuses a translation
# whose printf placeholders differ from the Romanian text's) and embedded in the library tarvel_language.
find_program(TARVEL_MSGFMT msgfmt REQUIRED)

# tarvel_compile_catalogue(<language> <function> <variable>): po/<language>.po compiled and embedded as the
# C++ function <function>; the generated source's path in <variable>.
function(tarvel_compile_catalogue language function variable)
    set(catalogue ${PROJECT_SOURCE_DIR}/po/${language}.po)
    set(compiled ${CMAKE_BINARY_DIR}/po/${language}.mo)
    set(source ${CMAKE_BINARY_DIR}/po/${language}_catalogue.cpp)
    add_custom_command(OUTPUT ${compiled}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/po
        COMMAND ${TARVEL_MSGFMT} --check -o ${compiled} ${catalogue}
        DEPENDS ${catalogue}
        COMMENT "Compiling the catalogue po/${language}.po"
        VERBATIM)
    add_custom_command(OUTPUT ${source}
        COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${compiled} -DFUNCTION=${function} -DOUTPUT=${source}
                -P ${PROJECT_SOURCE_DIR}/cmake/embed_catalogue.cmake
        DEPENDS ${compiled} ${PROJECT_SOURCE_DIR}/cmake/embed_catalogue.cmake
        VERBATIM)
    set(${variable} ${source} PARENT_SCOPE)
endfunction()
