# Turns a text file into a C++ header holding its bytes (followed by a NUL), so the demo
# account database script travels inside the library. Run with -DINPUT=... -DOUTPUT=... -DNAME=...
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated at build time from ${INPUT}; do not edit.\n"
  "#pragma once\n\n"
  "inline constexpr unsigned char ${NAME}[] = {${bytes}0x00};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
