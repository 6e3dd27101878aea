# Turns files into one C/C++ byte array at build time.
#
#   embed_files(OUTPUT <file.inc> NAME <Name> FILES <file>...)
#
# writes <file.inc>, to be included by one source file, holding
#   <Name>[]          unsigned char: every file back to back
#   <Name>Offsets[]   unsigned long: where each file starts, and the end
# both static, and constexpr in C++ so that tables made from them need no
# dynamic initialisation.
# The fragment is rewritten whenever one of the files changes. Run as a script
# (cmake -P) this same file does the writing.

if(CMAKE_SCRIPT_MODE_FILE)
  string(REPLACE "|" ";" FILES "${FILES}")
  set(bytes "")
  set(offsets "0")
  set(total 0)
  foreach(file IN LISTS FILES)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" length)
    math(EXPR total "${total} + ${length} / 2")
    string(APPEND offsets ", ${total}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" hex "${hex}")
    string(APPEND bytes "/* ${file} */\n${hex}\n")
  endforeach()
  file(WRITE ${OUTPUT}.tmp
    "/* Generated at build time from ${CMAKE_CURRENT_LIST_FILE}; do not edit. */\n"
    "#ifdef __cplusplus\n#define ${NAME}Storage static constexpr\n#else\n#define ${NAME}Storage static const\n#endif\n"
    "${NAME}Storage unsigned char ${NAME}[] = {\n${bytes}};\n"
    "${NAME}Storage unsigned long ${NAME}Offsets[] = {${offsets}};\n")
  file(RENAME ${OUTPUT}.tmp ${OUTPUT})
  return()
endif()

set(EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(embed_files)
  cmake_parse_arguments(EMBED "" "OUTPUT;NAME" "FILES" ${ARGN})
  string(REPLACE ";" "|" files "${EMBED_FILES}")
  add_custom_command(
    OUTPUT ${EMBED_OUTPUT}
    COMMAND ${CMAKE_COMMAND} "-DOUTPUT=${EMBED_OUTPUT}" "-DNAME=${EMBED_NAME}" "-DFILES=${files}"
            -P ${EMBED_SCRIPT}
    DEPENDS ${EMBED_FILES} ${EMBED_SCRIPT}
    COMMENT "Embedding ${EMBED_NAME}"
    VERBATIM)
endfunction()
