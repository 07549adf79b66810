# SPDX-License-Identifier: MIT
# Runs inside CPack, after the package is built: a statically linked zorva holds code of the
# archives in CPACK_ZORVA_STATIC_ARCHIVES, so its Built-Using field names the Debian source
# packages and the exact versions that those archives come from, as installed on this machine.
# CPack writes no such field, so the package is unpacked, given the field and packed again.
if(NOT CPACK_ZORVA_STATIC_ARCHIVES)
  return()
endif()

function(source_package_of archive result)
  execute_process(COMMAND "${CPACK_ZORVA_CXX_COMPILER}" -print-file-name=lib${archive}.a
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  # The compiler answers with the bare name when it finds no such archive.
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "the compiler finds no lib${archive}.a")
  endif()
  file(REAL_PATH "${path}" path)
  execute_process(COMMAND dpkg-query -S "${path}" OUTPUT_VARIABLE owner
                  COMMAND_ERROR_IS_FATAL ANY)
  # "libc6-dev:amd64: /usr/lib/x86_64-linux-gnu/libc.a"
  string(REGEX REPLACE ": .*" "" binary_package "${owner}")
  execute_process(COMMAND dpkg-query -W "-f=\${source:Package} (= \${source:Version})"
                          "${binary_package}"
                  OUTPUT_VARIABLE source COMMAND_ERROR_IS_FATAL ANY)
  set(${result} "${source}" PARENT_SCOPE)
endfunction()

set(sources)
foreach(archive IN LISTS CPACK_ZORVA_STATIC_ARCHIVES)
  source_package_of(${archive} source)
  list(APPEND sources "${source}")
endforeach()
list(REMOVE_DUPLICATES sources)
list(SORT sources)
list(JOIN sources ", " built_using)

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  # CPack ends the control file with an empty line, which would start a second paragraph.
  file(READ "${tree}/DEBIAN/control" control)
  string(STRIP "${control}" control)
  file(WRITE "${tree}/DEBIAN/control" "${control}\nBuilt-Using: ${built_using}\n")
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
