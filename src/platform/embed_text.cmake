# Writes a C++ source that holds a text file's bytes: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P
file(READ "${INPUT}" content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(LENGTH "${content}" hexLength)
math(EXPR size "${hexLength} / 2")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n"
  "extern const unsigned char ${SYMBOL}[] = {${bytes} 0};\n"
  "extern const std::size_t ${SYMBOL}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
