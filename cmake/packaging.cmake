# The Debian package: `cpack -G DEB` in a configured build directory (see scripts/package).
set(CPACK_PACKAGE_NAME zorva)
set(CPACK_PACKAGE_CONTACT "zorva developers <zorva@example.org>")
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
# Debian keeps manual pages compressed; the install rules leave them plain for other prefixes.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/compress_man_pages.cmake)
include(CPack)
