# Writes a compiled message catalogue (.mo) as a C++ source that returns its bytes. Run as a script:
#   cmake -DCATALOGUE=<file.mo> -DFUNCTION=<name> -DOUTPUT=<file.cpp> -P embed_catalogue.cmake

if(NOT CATALOGUE OR NOT FUNCTION OR NOT OUTPUT)
    message(FATAL_ERROR "embed_catalogue: CATALOGUE, FUNCTION and OUTPUT must all be given")
endif()
get_filename_component(catalogue_name "${CATALOGUE}" NAME)
file(READ "${CATALOGUE}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
    message(FATAL_ERROR "embed_catalogue: ${CATALOGUE} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line.
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
math(EXPR size "${hex_length} / 2")
file(WRITE "${OUTPUT}.new"
"// Generated from ${catalogue_name} by cmake/embed_catalogue.cmake; do not edit.\n"
"#include \"language/catalogue.h\"\n\n"
"namespace {\n\nconst unsigned char catalogueBytes[${size}] = {\n    ${bytes}\n};\n\n} // namespace\n\n"
"MessageCatalogue ${FUNCTION}() {\n    return {catalogueBytes, sizeof catalogueBytes};\n}\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
