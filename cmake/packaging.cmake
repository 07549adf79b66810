# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in a configured build directory (see scripts/package).
set(ZORVA_MAINTAINER "zorva maintainers <maintainers@users.noreply.c-seed-234477e6.example>"
    CACHE STRING "Maintainer field of the Debian package: a name and a mail address")
set(CPACK_PACKAGE_NAME zorva)
set(CPACK_PACKAGE_CONTACT "${ZORVA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZORVA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "terminal calculator for infix arithmetic")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "zorva evaluates arithmetic with + - * / ^ !, parentheses, functions,
storage units, constants and names you define, in one shot from the
command line or at an interactive prompt with line editing.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# The dependencies are read off the binary, so they are exactly the libraries it links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

# Read by the scripts below, inside CPack.
set(CPACK_ZORVA_DEBIAN_DIR "${CMAKE_CURRENT_LIST_DIR}/debian")
set(CPACK_ZORVA_VERSION "${PROJECT_VERSION}")
set(CPACK_ZORVA_CXX_COMPILER "${CMAKE_CXX_COMPILER}")
if(ZORVA_STATIC AND NOT ZORVA_SANITIZE)
  # The static archives of the link of zorva: libedit and what it needs, then the C and C++
  # runtimes that the compiler adds. Built-Using names the source packages they come from.
  set(CPACK_ZORVA_STATIC_ARCHIVES edit tinfo bsd md c m stdc++ gcc gcc_eh)
endif()

# Debian keeps manual pages and changelogs compressed; the install rules leave the pages plain
# for other prefixes.
set(CPACK_PRE_BUILD_SCRIPTS
    "${CMAKE_CURRENT_LIST_DIR}/compress_man_pages.cmake"
    "${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/built_using.cmake")
include(CPack)
