# Read by scripts/check-windows: writes one line per entry of compile_commands.json, the
# source file, a tab and its compile command with the object sent to /dev/null.
# Usage: cmake -DCOMMANDS=<compile_commands.json> -DOUTPUT=<file> -P compile-lines.cmake
file(READ "${COMMANDS}" json)
string(JSON count LENGTH "${json}")
set(lines "")
if(count GREATER 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON source GET "${json}" ${i} file)
    string(JSON command GET "${json}" ${i} command)
    string(REGEX REPLACE " -o [^ ]+ " " -o /dev/null " command "${command}")
    string(APPEND lines "${source}\t${command}\n")
  endforeach()
endif()
file(WRITE "${OUTPUT}" "${lines}")
