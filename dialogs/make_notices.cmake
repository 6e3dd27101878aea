# Writes the C++ source of ComponentNoticeLines from the components' licence
# texts: a heading, then per component a banner and its text line for line,
# and the end marker "\x03". Run at build time by dialogs/CMakeLists.txt with
# OUTPUT (the .cpp to write) and COMPONENTS (name=file pairs, in order).

set(dashes "--------------------------------------------------------------------")

function(quoted line result)
  string(REPLACE "\\" "\\\\" line "${line}")
  string(REPLACE "\"" "\\\"" line "${line}")
  set(${result} "    \"${line}\",\n" PARENT_SCOPE)
endfunction()

set(body "")
quoted("In addition, this program uses the following components:" q)
string(APPEND body "${q}")
quoted("" empty)
string(APPEND body "${empty}")

foreach(pair IN LISTS COMPONENTS)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 file)
  quoted("${dashes}" banner)
  quoted("Component: ${name}" title)
  string(APPEND body "${banner}${title}${banner}${empty}")

  file(READ "${file}" text)
  string(REPLACE "\r" "" text "${text}")
  # Every line ends with a newline (the file's last one may lack it); an
  # empty file has no lines. Split by hand: list splitting would break on ";".
  if(NOT text STREQUAL "" AND NOT text MATCHES "\n$")
    string(APPEND text "\n")
  endif()
  while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" at)
    string(SUBSTRING "${text}" 0 ${at} line)
    math(EXPR rest "${at} + 1")
    string(SUBSTRING "${text}" ${rest} -1 text)
    quoted("${line}" q)
    string(APPEND body "${q}")
  endwhile()
  string(APPEND body "${empty}")
endforeach()

file(WRITE "${OUTPUT}.tmp"
  "// Generated from dialogs/notices/*.txt by dialogs/make_notices.cmake; do not edit.\n"
  "#include \"dialogs/notices.h\"\n\n"
  "const char* const ComponentNoticeLines[] = {\n"
  "${body}"
  "    \"\\x03\",\n"
  "};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
