# Fails when a source outside the shell and the programs' entry folders includes a header of
# the shell: the subsystems sit below the main window and must not depend on it.
# Usage: cmake -DSOURCE_DIR=<src> -P check_layering.cmake
file(GLOB_RECURSE sources "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
set(violations "")
foreach(source IN LISTS sources)
  file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
  if(relative MATCHES "^(shell|app|cli)/")
    continue()
  endif()
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"shell/")
  foreach(line IN LISTS includes)
    string(APPEND violations "  ${relative}: ${line}\n")
  endforeach()
endforeach()
if(violations)
  message(FATAL_ERROR "Includes of shell/ below the shell:\n${violations}")
endif()
