# Writes the version source (OUT) with the project's version (VERSION) and
# the commit of the source tree (SOURCE_DIR), at every build, and touches it
# only when either changed, so a new commit relinks the programs and
# nothing else.  Outside a git checkout (a source tarball) the commit is
# "unknown".
execute_process(COMMAND git -C "${SOURCE_DIR}" rev-parse --short=12 HEAD
  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
if(failed OR commit STREQUAL "")
  set(commit "unknown")
else()
  execute_process(COMMAND git -C "${SOURCE_DIR}" diff --quiet HEAD --
    RESULT_VARIABLE dirty ERROR_QUIET)
  if(dirty)
    string(APPEND commit "-modified")
  endif()
endif()
set(text "// Written by cmake/FnVersion.cmake at build time.\n#include \"host/common/Version.h\"\n\nconst char* fnVersion() { return \"${VERSION}\"; }\nconst char* fnCommit() { return \"${commit}\"; }\n")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
