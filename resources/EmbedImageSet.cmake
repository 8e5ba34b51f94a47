# Turns a set of PNG files into one C++ header and source: in the namespace
# NAMESPACE, a constant pointer <name>_png to each file's bytes and a constant
# <name>_pngSize with its byte count.
#
#   cmake -DNAMESPACE=... -DOUTPUT_DIR=... -DINPUTS="a.png;b.png" -P EmbedImageSet.cmake

cmake_minimum_required(VERSION 3.22)

foreach(required NAMESPACE OUTPUT_DIR INPUTS)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "EmbedImageSet.cmake needs -D${required}=...")
    endif()
endforeach()

set(header "// Generated from the PNG files in resources/art. Do not edit.\n#pragma once\n\nnamespace ${NAMESPACE}\n{\n")
set(source "// Generated from the PNG files in resources/art. Do not edit.\n#include \"${NAMESPACE}.h\"\n\nnamespace ${NAMESPACE}\n{\n")

foreach(input IN LISTS INPUTS)
    get_filename_component(stem "${input}" NAME_WE)
    set(name "${stem}_png")

    file(READ "${input}" bytes HEX)
    string(LENGTH "${bytes}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
    # One line per 32 bytes keeps the generated file readable for a compiler.
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){32})" "\\1\n        " bytes "${bytes}")

    string(APPEND header "    extern const char* const ${name};\n    constexpr int ${name}Size = ${size};\n\n")
    string(APPEND source "    static const unsigned char ${name}Data[] =\n    {\n        ${bytes}\n    };\n")
    string(APPEND source "    const char* const ${name} = reinterpret_cast<const char*> (${name}Data);\n\n")
endforeach()

string(APPEND header "}\n")
string(APPEND source "}\n")

# Rewrite only on change, so that an unchanged set does not recompile its users.
file(CONFIGURE OUTPUT "${OUTPUT_DIR}/${NAMESPACE}.h" CONTENT "${header}" @ONLY)
file(CONFIGURE OUTPUT "${OUTPUT_DIR}/${NAMESPACE}.cpp" CONTENT "${source}" @ONLY)
