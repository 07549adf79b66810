# SPDX-License-Identifier: MIT
# Runs inside CPack, on the staged files of the package: gzip -9n, as Debian policy asks, so
# that the package is the same from one build to the next.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man*/*.[1-9]")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
